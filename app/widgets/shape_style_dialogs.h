#pragma once
// The style dialogs of the drawing tools: rectangle style (167), ellipse styles (236) and the
// gradient settings (243).
#include "app/editor/gradient_fill.h"
#include "app/editor/view_settings.h"

#include <QDialog>
#include <optional>

class QComboBox;
class QCheckBox;
class QListWidget;
class QRadioButton;

namespace lw {

class RectangleStyleDialog : public QDialog {
    Q_OBJECT
public:
    explicit RectangleStyleDialog(const RectangleStyle& start, QWidget* parent = nullptr);
    RectangleStyle style() const;
    static std::optional<RectangleStyle> ask(QWidget* parent, const RectangleStyle& start);

private:
    QComboBox* style_;
    QComboBox* line_;
    QComboBox* gap_;
};

class EllipseStyleDialog : public QDialog {
    Q_OBJECT
public:
    explicit EllipseStyleDialog(int start, QWidget* parent = nullptr);
    int style() const;
    static std::optional<int> ask(QWidget* parent, int start);

private:
    QListWidget* list_;
};

class GradientDialog : public QDialog {
    Q_OBJECT
public:
    explicit GradientDialog(const GradientSettings& start, QWidget* parent = nullptr);
    GradientSettings settings() const;
    static std::optional<GradientSettings> ask(QWidget* parent, const GradientSettings& start);

private:
    QRadioButton* directions_[3];
    QCheckBox* toTransparent_;
    QCheckBox* elliptical_;
};

} // namespace lw
