#include "app/widgets/symbol_dialog.h"

#include "app/editor/symbol_grid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace lw {

SymbolGrid::SymbolGrid(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFixedSize(sizeHint());
    setCursor(Qt::PointingHandCursor);
}

QSize SymbolGrid::sizeHint() const
{
    return {kSymbolColumns * kCell + 1, kSymbolRows * kCell + 1};
}

void SymbolGrid::setFace(const QString& face)
{
    face_ = face;
    update();
}

void SymbolGrid::setSmooth(bool smooth)
{
    smooth_ = smooth;
    update();
}

void SymbolGrid::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    QFont font(face_);
    font.setPixelSize(kCell * 6 / 10);
    font.setStyleStrategy(smooth_ ? QFont::PreferAntialias : QFont::NoAntialias);
    painter.setFont(font);
    for (int row = 0; row < kSymbolRows; ++row)
        for (int column = 0; column < kSymbolColumns; ++column) {
            const QRect cell(column * kCell, row * kCell, kCell, kCell);
            const int code = symbolCodeAt(column, row);
            if (code == hovered_)
                painter.fillRect(cell, palette().highlight());
            painter.setPen(code == hovered_ ? palette().highlightedText().color() : palette().text().color());
            painter.drawText(cell, Qt::AlignCenter, QString::fromStdString(symbolText(code)));
            painter.setPen(palette().mid().color());
            painter.drawRect(cell);
        }
}

void SymbolGrid::mouseMoveEvent(QMouseEvent* event)
{
    int code = symbolCodeAtPoint(event->position().toPoint(), {kCell, kCell});
    if (symbolText(code).empty())
        code = 0;
    if (code != hovered_) {
        hovered_ = code;
        update();
    }
}

void SymbolGrid::mousePressEvent(QMouseEvent* event)
{
    const int code = symbolCodeAtPoint(event->position().toPoint(), {kCell, kCell});
    // Cells without a character (code 256) pick nothing.
    if (event->button() == Qt::LeftButton && !symbolText(code).empty())
        Q_EMIT picked(code);
}

void SymbolGrid::leaveEvent(QEvent*)
{
    hovered_ = 0;
    update();
}

SymbolDialog::SymbolDialog(const SymbolQuestion& question, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Вставка символа"));
    fonts_ = new QComboBox(this);
    fonts_->setObjectName(QStringLiteral("font"));
    for (const std::string& family : question.families)
        fonts_->addItem(QString::fromStdString(family));
    fonts_->setCurrentIndex(std::max(0, fonts_->findText(QString::fromStdString(question.face))));
    smoothing_ = new QCheckBox(tr("Сгладить"), this);
    smoothing_->setObjectName(QStringLiteral("smoothing"));
    smoothing_->setChecked(question.smoothing);
    grid_ = new SymbolGrid(this);
    grid_->setObjectName(QStringLiteral("grid"));
    grid_->setFace(fonts_->currentText());
    grid_->setSmooth(question.smoothing);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));

    auto* top = new QHBoxLayout;
    top->addWidget(fonts_, 1);
    top->addWidget(smoothing_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grid_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(fonts_, &QComboBox::currentTextChanged, grid_, &SymbolGrid::setFace);
    connect(smoothing_, &QCheckBox::toggled, grid_, &SymbolGrid::setSmooth);
    connect(grid_, &SymbolGrid::picked, this, &SymbolDialog::pick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void SymbolDialog::pick(int code)
{
    choice_ = {fonts_->currentText().toStdString(), code, smoothing_->isChecked()};
    accept();
}

std::optional<SymbolChoice> SymbolDialog::ask(QWidget* parent, const SymbolQuestion& question)
{
    SymbolDialog dialog(question, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

} // namespace lw
