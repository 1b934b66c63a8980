#pragma once
// "Вставка символа": the symbol fonts in a drop-down list, "Сгладить", and the grid of the
// characters 33 … 255 of the chosen font. A click on a cell picks its character and closes the
// dialog as OK.
#include "app/editor/property_questions.h"

#include <QDialog>
#include <QWidget>

class QCheckBox;
class QComboBox;

namespace lw {

// The 16 × 14 cells, each character centred at 0.6 × the cell height.
class SymbolGrid : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCell = 28;

    explicit SymbolGrid(QWidget* parent = nullptr);
    void setFace(const QString& face);
    void setSmooth(bool smooth);
    QSize sizeHint() const override;

Q_SIGNALS:
    void picked(int code);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QString face_;
    bool smooth_ = true;
    int hovered_ = 0;
};

class SymbolDialog : public QDialog {
    Q_OBJECT
public:
    explicit SymbolDialog(const SymbolQuestion& question, QWidget* parent = nullptr);

    // The picked character with the font and smoothing shown when it was picked.
    const SymbolChoice& choice() const { return choice_; }
    static std::optional<SymbolChoice> ask(QWidget* parent, const SymbolQuestion& question);

private:
    void pick(int code);

    QComboBox* fonts_ = nullptr;
    QCheckBox* smoothing_ = nullptr;
    SymbolGrid* grid_ = nullptr;
    SymbolChoice choice_;
};

} // namespace lw
