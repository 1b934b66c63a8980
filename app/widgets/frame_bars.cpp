#include "app/widgets/frame_bars.h"

#include "app/editor/command_actions.h"
#include "app/editor/command_ids.h"
#include "app/editor/document_session.h"
#include "app/editor/editing_commands.h"
#include "app/editor/editing_dialog_models.h"
#include "app/editor/frame_commands.h"
#include "app/editor/frame_list_model.h"
#include "model/edit_scope.h"
#include "platform/ui_port.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QIdentityProxyModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPushButton>

namespace lw {

namespace {

// The four list icons: a small frame picture, filled for the current frame, with an "M" for masters.
QIcon frameIcon(int kind)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    const bool current = kind >= 2;
    const bool master = kind % 2 == 1;
    p.setPen(Qt::black);
    p.setBrush(current ? QColor(0, 0, 160) : QColor(Qt::white));
    p.drawRect(1, 2, 13, 11);
    if (master) {
        p.setPen(current ? Qt::white : QColor(160, 0, 0));
        QFont font = p.font();
        font.setPixelSize(10);
        font.setBold(true);
        p.setFont(font);
        p.drawText(QRect(1, 2, 14, 12), Qt::AlignCenter, QStringLiteral("M"));
    }
    return QIcon(pixmap);
}

class FrameIconProxy : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role == Qt::DecorationRole) {
            static const QIcon icons[4] = {frameIcon(0), frameIcon(1), frameIcon(2), frameIcon(3)};
            const int kind = QIdentityProxyModel::data(index, FrameListModel::IconRole).toInt();
            return icons[std::clamp(kind, 0, 3)];
        }
        return QIdentityProxyModel::data(index, role);
    }
};

// A push button that runs a command and follows its enable rule.
QPushButton* commandButton(const QString& text, CommandActions& actions, int id, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    QAction* action = actions.action(id);
    if (!action)
        return button;
    button->setEnabled(action->isEnabled());
    QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
    QObject::connect(action, &QAction::changed, button,
                     [button, action] { button->setEnabled(action->isEnabled()); });
    return button;
}

} // namespace

FrameListBar::FrameListBar(EditingCommands& commands, CommandActions& actions, QWidget* parent)
    : QWidget(parent), commands_(commands), model_(new FrameListModel(this))
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);
    delay_ = new QComboBox(this);
    delay_->setObjectName(QStringLiteral("delay"));
    delay_->setEditable(true);
    delay_->addItems({QStringLiteral("0.1"), QStringLiteral("0.2"), QStringLiteral("0.5"),
                      QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("5")});
    delay_->setInsertPolicy(QComboBox::NoInsert);
    grid->addWidget(new QLabel(tr("Задержка:"), this), 0, 0);
    grid->addWidget(delay_, 0, 1);
    grid->addWidget(new QLabel(tr("сек"), this), 0, 2);
    grid->addWidget(new QLabel(tr("Кадры:"), this), 1, 0, 1, 3);
    auto* proxy = new FrameIconProxy(this);
    proxy->setSourceModel(model_);
    list_ = new QListView(this);
    list_->setObjectName(QStringLiteral("frames"));
    list_->setModel(proxy);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->addWidget(list_, 2, 0, 1, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(commandButton(tr("Нов."), actions, cmd::InsertFrameAfter, this));
    buttons->addWidget(commandButton(tr("Мастер кадров"), actions, cmd::MasterFrame, this));
    buttons->addWidget(commandButton(tr("Удал."), actions, cmd::DeleteFrame, this));
    grid->addLayout(buttons, 3, 0, 1, 3);

    // The delay is applied when the field loses the focus (or on Enter).
    connect(delay_->lineEdit(), &QLineEdit::editingFinished, this, &FrameListBar::applyDelay);
    connect(delay_, &QComboBox::activated, this, [this] { applyDelay(); });
    connect(list_, &QListView::clicked, this, [this](const QModelIndex& index) { choose(index.row()); });
    connect(model_, &QAbstractItemModel::modelReset, this, &FrameListBar::refresh);
    connect(model_, &QAbstractItemModel::dataChanged, this, &FrameListBar::refresh);
    connect(model_, &FrameListModel::documentNoticed, this, &FrameListBar::refresh);
    refresh();
}

void FrameListBar::setSession(DocumentSession* session)
{
    model_->setSession(session);
    refresh();
}

void FrameListBar::refresh()
{
    if (choosing_)
        return;
    DocumentSession* session = model_->session();
    setEnabled(session != nullptr);
    if (!session)
        return;
    const int row = model_->currentRow();
    if (row >= 0) {
        const QModelIndex index = list_->model()->index(row, 0);
        list_->setCurrentIndex(index);
        list_->scrollTo(index);
    }
    const CFrame& current = session->currentFrame();
    if (!delay_->lineEdit()->hasFocus())
        delay_->setEditText(delaySecondsText(current.delay));
    delay_->setEnabled(current.masterFrame == 0);
}

void FrameListBar::applyDelay()
{
    if (auto context = commands_.context(); context && context->session.currentFrame().masterFrame == 0)
        applyDelayText(*context, delay_->currentText());
}

void FrameListBar::choose(int row)
{
    auto context = commands_.context();
    if (!context)
        return;
    choosing_ = true;
    applyDelay();
    showFrame(*context, context->session.doc.animation.FrameAt(row));
    choosing_ = false;
    refresh();
}

FrameBackgroundBar::FrameBackgroundBar(EditingCommands& commands, CommandActions& actions, QWidget* parent)
    : QWidget(parent), commands_(commands), model_(new BackgroundListModel(this))
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);
    frames_ = new QComboBox(this);
    frames_->setObjectName(QStringLiteral("backgroundFrame"));
    frames_->setModel(model_);
    grid->addWidget(frames_, 0, 0, 1, 2);
    background_ = commandButton(tr("Цвет фона"), actions, cmd::FrameBackgroundColour, this);
    border_ = new QPushButton(tr("Цвет канта"), this);
    grid->addWidget(background_, 1, 0);
    grid->addWidget(border_, 1, 1);
    thickness_ = new QComboBox(this);
    thickness_->setObjectName(QStringLiteral("thickness"));
    thickness_->addItem(tr("нет"));
    for (int width = 1; width <= 10; ++width)
        thickness_->addItem(tr("%1 px").arg(width));
    grid->addWidget(new QLabel(tr("Толщина:"), this), 2, 0);
    grid->addWidget(thickness_, 2, 1);

    connect(frames_, &QComboBox::activated, this, [this](int row) {
        model_->choose(row);
        refresh();
    });
    connect(border_, &QPushButton::clicked, this, &FrameBackgroundBar::chooseBorderColour);
    connect(thickness_, &QComboBox::activated, this, &FrameBackgroundBar::chooseThickness);
    connect(model_, &QAbstractItemModel::modelReset, this, &FrameBackgroundBar::refresh);
    connect(model_, &QAbstractItemModel::dataChanged, this, &FrameBackgroundBar::refresh);
    connect(model_, &BackgroundListModel::documentNoticed, this, &FrameBackgroundBar::refresh);
    refresh();
}

void FrameBackgroundBar::setSession(DocumentSession* session)
{
    session_ = session;
    model_->setSession(session);
    refresh();
}

void FrameBackgroundBar::refresh()
{
    if (updating_)
        return;
    updating_ = true;
    setEnabled(session_ != nullptr);
    if (session_) {
        const CFrame& current = session_->currentFrame();
        frames_->setCurrentIndex(model_->chosenRow());
        thickness_->setCurrentIndex(std::clamp(current.borderWidth, 0, 10));
        // A frame shown over another frame's picture has no border of its own.
        const bool canTakeBorder = current.backgroundFrame == nullptr;
        border_->setEnabled(canTakeBorder);
        thickness_->setEnabled(canTakeBorder);
    }
    updating_ = false;
}

void FrameBackgroundBar::chooseBorderColour()
{
    auto context = commands_.context();
    if (!context)
        return;
    CFrame& current = context->session.currentFrame();
    const auto colour = context->ui.askColour(
        {tr("Цвет канта").toStdString(), rasterColourFromFrameColour(current.borderColour), false});
    if (!colour)
        return;
    EditScope edit(context->session.doc, &current);
    current.borderColour = rasterColourFromFrameColour(*colour);
    context->session.doc.animation.RenderAllFrames();
    edit.announce(DocumentChange::FrameChanged);
    edit.markModified();
}

void FrameBackgroundBar::chooseThickness(int width)
{
    auto context = commands_.context();
    if (!context || updating_)
        return;
    CFrame& current = context->session.currentFrame();
    if (current.borderWidth == width)
        return;
    EditScope edit(context->session.doc, &current);
    current.borderWidth = width;
    context->session.doc.animation.RenderAllFrames();
    edit.announce(DocumentChange::FrameChanged);
    edit.markModified();
}

} // namespace lw
