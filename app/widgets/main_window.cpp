#include "app/widgets/main_window.h"

#include "app/editor/bar_placement.h"
#include "app/editor/command_actions.h"
#include "app/editor/command_table.h"
#include "app/editor/document_session.h"
#include "app/editor/palette_model.h"
#include "app/widgets/canvas_view.h"
#include "app/widgets/fallback_icon.h"
#include "app/widgets/palette_widget.h"
#include "app/widgets/qt_ui_port.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

#include <algorithm>

namespace lw {
namespace {

constexpr const char* kClipboardFormat = "application/x-loopwright-clipboard";
// The status panes end at these x positions.
constexpr int kPaneEnds[3] = {140, 500, 590};

// A square dot as wide as the brush (1 … 6 pixels) on a 9 × 9 button face.
QIcon brushIcon(int index)
{
    QPixmap pixmap(9, 9);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const int side = 1 + index;
    painter.fillRect((9 - side) / 2, (9 - side) / 2, side, side, Qt::black);
    return QIcon(pixmap);
}

// The swatch shows its colour also while its command is unavailable.
QIcon swatchIcon(const QImage& colours, int left)
{
    const QPixmap face = QPixmap::fromImage(colours.copy(left, 0, 33, 16));
    QIcon icon(face);
    icon.addPixmap(face, QIcon::Disabled);
    return icon;
}

} // namespace

MainWindow::MainWindow(CommandActions& actions, QWidget* parent) : QMainWindow(parent), actions_(actions)
{
    setObjectName("MainWindow");
    mdi_ = new QMdiArea(this);
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi_);
    setAcceptDrops(true);
    setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowTabbedDocks);

    // Commands without a drawn icon get their initials, so every button shows something.
    for (const CommandRow& row : commandTable()) {
        QAction* a = actions_.action(row.id);
        if (a->icon().isNull() && row.check == CheckGroup::Brush)
            a->setIcon(brushIcon(
                static_cast<int>(std::find(cmd::Brushes, cmd::Brushes + 6, row.id) - cmd::Brushes)));
        else if (a->icon().isNull())
            a->setIcon(fallbackIcon(QString::fromStdString(commandLabel(row))));
        // Keys work wherever the focus is inside the main window.
        addAction(a);
    }
    buildMenus();
    buildBars();
    buildStatusBar();

    connect(mdi_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow*) {
        updateTitle();
        refreshCommands();
        Q_EMIT activeDocumentChanged(activeDocument());
    });
    connect(&actions_, &CommandActions::commandDone, this, [this](int) { refreshCommands(); });
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, [this] { refreshCommands(); });
    updateTitle();
    showColours(0x00000000, 0x00FFFFFF);
    refreshCommands();
}

MainWindow::~MainWindow()
{
    // Nothing may call back into this half-destroyed window while Qt hides and deletes children.
    const QList<QObject*> children = findChildren<QObject*>();
    for (QObject* child : children)
        child->disconnect(this);
    QGuiApplication::clipboard()->disconnect(this);
    actions_.disconnect(this);
    windows_.clear();
}

void MainWindow::buildMenus()
{
    std::map<Menu, QMenu*> menus;
    std::map<std::string, QMenu*> submenus;
    for (const CommandRow& row : commandTable()) {
        if (row.menu == Menu::None)
            continue;
        QMenu*& menu = menus[row.menu];
        if (!menu) {
            menu = menuBar()->addMenu(QCoreApplication::translate("Command", menuTitle(row.menu)));
            connect(menu, &QMenu::aboutToShow, this, &MainWindow::refreshCommands);
        }
        QMenu* target = menu;
        if (row.submenu) {
            QMenu*& sub = submenus[row.submenu];
            if (!sub) {
                if (row.separatorBefore)
                    menu->addSeparator();
                sub = menu->addMenu(QCoreApplication::translate("Command", row.submenu));
            } else if (row.separatorBefore) {
                sub->addSeparator();
            }
            target = sub;
        } else if (row.separatorBefore) {
            menu->addSeparator();
        }
        target->addAction(actions_.action(row.id));
    }
    windowMenu_ = menus[Menu::Window];
    windowListStart_ = windowMenu_->addSeparator();
    connect(windowMenu_, &QMenu::aboutToShow, this, &MainWindow::updateWindowMenu);
    // Help stays last, after the window menu.
    menuBar()->addMenu(menus[Menu::Help]);
}

QToolBar* MainWindow::toolBarOf(std::span<const int> ids, const QString& name)
{
    auto* bar = new QToolBar(name, this);
    bar->setObjectName(name);
    for (int id : ids) {
        if (id == 0)
            bar->addSeparator();
        else
            bar->addAction(actions_.action(id));
    }
    return bar;
}

QDockWidget* MainWindow::floatingBar(int id, const QString& caption, QWidget* content, bool dockable)
{
    auto* dock = new QDockWidget(caption, this);
    dock->setObjectName(QString::number(id));
    dock->setWidget(content);
    dock->setAllowedAreas(dockable ? Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea : Qt::NoDockWidgetArea);
    dock->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                      QDockWidget::DockWidgetFloatable);
    addDockWidget(Qt::RightDockWidgetArea, dock);
    dock->setFloating(true);
    connect(dock, &QDockWidget::visibilityChanged, this, [this] { refreshCommands(); });
    bars_[id] = dock;
    return dock;
}

void MainWindow::buildBars()
{
    // In creation order: main tool bar, tool box, brushes, colours, frame list, background, palette.
    QToolBar* main = toolBarOf(mainToolBarButtons(), "MainToolBar");
    main->setWindowTitle(tr("Панель инструментов"));
    main->setAllowedAreas(Qt::TopToolBarArea);
    main->setFloatable(false);
    main->setIconSize(QSize(20, 20));
    addToolBar(Qt::TopToolBarArea, main);
    bars_[cmd::BarMainToolBar] = main;

    QToolBar* tools = toolBarOf(toolBoxButtons(), "Tools");
    tools->setWindowTitle(tr("Tools"));
    tools->setIconSize(QSize(20, 20));
    addToolBar(Qt::LeftToolBarArea, tools);
    bars_[cmd::BarToolBox] = tools;

    QToolBar* brushes = toolBarOf(brushButtons(), "Brushes");
    brushes->setIconSize(QSize(9, 9));
    brushes->setStyleSheet("QToolButton { padding: 1px; }");
    floatingBar(cmd::BarBrushes, tr(" Кисти "), brushes, false);

    QToolBar* colours = toolBarOf(colourButtons(), "Colours");
    colours->setIconSize(QSize(33, 16));
    colours->setStyleSheet("QToolButton { padding: 1px; }");
    floatingBar(cmd::BarColours, tr(" Текущие цвета"), colours, false);

    // The frame list and background bars get their controls with the frames issue.
    auto* frames = new QListWidget;
    frames->setEnabled(false);
    frames->setFixedSize(130, 200);
    floatingBar(cmd::BarFrameList, tr(" Кадры    "), frames, true);
    auto* background = new QWidget;
    background->setFixedSize(120, 90);
    background->setEnabled(false);
    floatingBar(cmd::BarBackground, tr(" Цвет фона"), background, true);

    auto* paletteHost = new QWidget;
    auto* paletteLayout = new QVBoxLayout(paletteHost);
    paletteLayout->setContentsMargins(4, 4, 4, 4);
    palette_ = new PaletteWidget(paletteHost);
    paletteLayout->addWidget(palette_, 0, Qt::AlignCenter);
    floatingBar(cmd::BarPalette, tr("Палитра"), paletteHost, true);
    placeFloatingBars();
}

void MainWindow::placeFloatingBars()
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 800);
    const auto sizeOf = [this](int id) {
        const QWidget* bar = bars_.at(id);
        return bar->frameGeometry().size().expandedTo(bar->sizeHint());
    };
    const FloatingBarPlaces at = floatingBarPlaces(
        area.width(), {sizeOf(cmd::BarBrushes), sizeOf(cmd::BarColours), sizeOf(cmd::BarFrameList),
                       sizeOf(cmd::BarBackground), sizeOf(cmd::BarPalette)});
    const std::pair<int, QPoint> places[] = {
        {cmd::BarBrushes, at.brushes},       {cmd::BarColours, at.colours}, {cmd::BarFrameList, at.frameList},
        {cmd::BarBackground, at.background}, {cmd::BarPalette, at.palette},
    };
    int leftmost = area.width();
    for (const auto& [id, place] : places) {
        bars_.at(id)->move(area.topLeft() + place);
        leftmost = std::min(leftmost, place.x());
    }
    // The main window ends where the bars begin, so they never cover its bars and buttons.
    if (isVisible() && !isMaximized() && geometry().right() >= area.left() + leftmost)
        resize(std::max(640, area.left() + leftmost - 4 - geometry().left()), height());
}

void MainWindow::buildStatusBar()
{
    int start = 0;
    for (int i = 0; i < 3; ++i) {
        panes_[i] = new QLabel(this);
        panes_[i]->setFixedWidth(kPaneEnds[i] - start);
        panes_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        statusBar()->addWidget(panes_[i]);
        start = kPaneEnds[i];
    }
    panes_[0]->setText(tr("100%"));
}

QWidget* MainWindow::bar(int id) const
{
    if (id == cmd::BarStatus)
        return statusBar();
    const auto found = bars_.find(id);
    return found == bars_.end() ? nullptr : found->second;
}

bool MainWindow::barShown(int id) const
{
    const QWidget* b = bar(id);
    return b && !b->isHidden();
}

void MainWindow::setBarShown(int id, bool shown)
{
    if (QWidget* b = bar(id))
        b->setVisible(shown);
    refreshCommands();
}

void MainWindow::setBrushIndex(int index)
{
    if (index >= 0 && index < 6)
        brush_ = index;
    refreshCommands();
}

void MainWindow::showColours(std::uint32_t foreground, std::uint32_t background)
{
    if (foreground == shownForeground_ && background == shownBackground_)
        return;
    shownForeground_ = foreground;
    shownBackground_ = background;
    const QImage image =
        currentColoursImage(foreground, background, palette().button().color().rgb() & 0xFFFFFF);
    actions_.action(cmd::ForegroundColour)->setIcon(swatchIcon(image, 0));
    actions_.action(cmd::BackgroundColour)->setIcon(swatchIcon(image, 33));
    if (QWidget* b = bar(cmd::BarColours); b && isVisible())
        b->show();
}

void MainWindow::addDocumentWindow(DocumentSession* session)
{
    auto* view = new CanvasView(*session);
    connect(view, &CanvasView::changed, this, [this, session] { documentChanged(session); });
    connect(view, &CanvasView::painted, this, &MainWindow::framePainted);
    connect(view, &CanvasView::statusChanged, this, [this, session] {
        if (activeDocument() == session)
            updateStatus();
    });
    QMdiSubWindow* window = mdi_->addSubWindow(view);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->installEventFilter(this);
    windows_[session] = window;
    window->show();
    // Before the main window shows, its area has no size yet: the fit waits for the show.
    if (mdi_->isVisible())
        fitIntoArea(window);
    else
        window->resize(window->sizeHint());
    documentChanged(session);
    mdi_->setActiveSubWindow(window);
}

void MainWindow::fitIntoArea(QMdiSubWindow* window) const
{
    // As large as the view asks (the whole canvas), as far as the area allows, and wholly inside.
    const QSize area = mdi_->viewport()->size();
    window->resize(window->sizeHint().boundedTo(area));
    const QPoint at(std::clamp(window->x(), 0, std::max(0, area.width() - window->width())),
                    std::clamp(window->y(), 0, std::max(0, area.height() - window->height())));
    window->move(at);
}

void MainWindow::removeDocumentWindow(DocumentSession* session)
{
    const auto found = windows_.find(session);
    if (found == windows_.end())
        return;
    QMdiSubWindow* window = found->second;
    windows_.erase(found);
    if (auto* view = qobject_cast<CanvasView*>(window->widget()))
        view->detach();
    mdi_->removeSubWindow(window);
    window->deleteLater();
    updateTitle();
    refreshCommands();
}

void MainWindow::activateDocument(DocumentSession* session)
{
    const auto found = windows_.find(session);
    if (found != windows_.end())
        mdi_->setActiveSubWindow(found->second);
}

DocumentSession* MainWindow::activeDocument() const
{
    QMdiSubWindow* active = mdi_->activeSubWindow();
    for (const auto& [session, window] : windows_)
        if (window == active)
            return session;
    // With the main window inactive, the most recent document window still counts.
    const auto list = mdi_->subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto it = list.rbegin(); it != list.rend(); ++it)
        for (const auto& [session, window] : windows_)
            if (window == *it)
                return session;
    return nullptr;
}

CanvasView* MainWindow::viewOf(DocumentSession* session) const
{
    const auto found = windows_.find(session);
    return found == windows_.end() ? nullptr : qobject_cast<CanvasView*>(found->second->widget());
}

void MainWindow::documentChanged(DocumentSession* session)
{
    const auto found = windows_.find(session);
    if (found != windows_.end()) {
        found->second->setWindowTitle(QString::fromStdString(session->displayName()) + "[*]");
        found->second->setWindowModified(session->doc.modified());
        found->second->widget()->update();
    }
    updateTitle();
    refreshCommands();
}

void MainWindow::updateTitle()
{
    const DocumentSession* active = activeDocument();
    if (!active) {
        setWindowTitle(QString::fromUtf8(kApplicationTitle));
        setWindowModified(false);
        return;
    }
    setWindowTitle(
        QStringLiteral("%1 - %2[*]")
            .arg(QString::fromUtf8(kApplicationTitle), QString::fromStdString(active->displayName())));
    setWindowModified(active->doc.modified());
}

void MainWindow::updateWindowMenu()
{
    // The list of windows below the separator, the active one checked.
    const auto items = windowMenu_->actions();
    bool below = false;
    for (QAction* a : items) {
        if (below)
            windowMenu_->removeAction(a), a->deleteLater();
        if (a == windowListStart_)
            below = true;
    }
    const auto list = mdi_->subWindowList();
    windowListStart_->setVisible(!list.isEmpty());
    int number = 1;
    for (QMdiSubWindow* window : list) {
        QString title = window->windowTitle().replace("[*]", window->isWindowModified() ? "*" : "");
        QAction* a = windowMenu_->addAction(QStringLiteral("&%1 %2").arg(number++).arg(title));
        a->setCheckable(true);
        a->setChecked(window == mdi_->activeSubWindow());
        connect(a, &QAction::triggered, this, [this, window] { mdi_->setActiveSubWindow(window); });
    }
}

EditorState MainWindow::editorState() const
{
    EditorState state;
    if (DocumentSession* session = activeDocument()) {
        describeDocument(state, session->doc, session->currentFrame());
        state.zoom = session->view.zoom;
        state.tool = session->view.tool;
    }
    if (const QMimeData* data = QGuiApplication::clipboard()->mimeData()) {
        state.clipboardHasLayers = data->hasFormat(kClipboardFormat);
        state.clipboardHasBitmap = data->hasImage();
        state.clipboardHasMetafile = data->hasFormat("image/x-emf") || data->hasFormat("image/x-wmf");
    }
    state.brush = brush_;
    for (int id : {cmd::BarMainToolBar, cmd::BarToolBox, cmd::BarBrushes, cmd::BarColours, cmd::BarFrameList,
                   cmd::BarBackground, cmd::BarPalette, cmd::BarStatus})
        if (barShown(id))
            state.visibleBars.push_back(id);
    state.recentFiles = recent_;
    state.hasWindows = !windows_.empty();
    return state;
}

void MainWindow::setRecentFiles(std::vector<std::string> paths)
{
    recent_ = std::move(paths);
    refreshCommands();
}

void MainWindow::refreshCommands()
{
    actions_.refresh(editorState());
    updateStatus();
}

void MainWindow::updateStatus()
{
    DocumentSession* session = activeDocument();
    const int zoom = session ? session->view.zoom : 1;
    panes_[0]->setText(tr("%1%").arg(zoom * 100));
    if (const CanvasView* view = session ? viewOf(session) : nullptr) {
        const auto texts = view->statusTexts();
        for (int i = 0; i < 3; ++i)
            panes_[i]->setText(texts[static_cast<std::size_t>(i)]);
    }
    if (session)
        showColours(session->view.foreground, session->view.background);
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (std::exchange(areaSized_, true))
        return;
    // Once the layout has given the area its size.
    QTimer::singleShot(0, this, [this] {
        for (const auto& [session, window] : windows_)
            fitIntoArea(window);
    });
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (closeGuard_ && !closeGuard_()) {
        event->ignore();
        return;
    }
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            paths << url.toLocalFile();
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    Q_EMIT filesDropped(paths);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Close) {
        for (const auto& [session, window] : windows_)
            if (window == watched) {
                // The document decides (it may ask about unsaved changes); the window goes when
                // the document has closed.
                event->ignore();
                DocumentSession* closing = session;
                QTimer::singleShot(0, this, [this, closing] {
                    if (closer_ && windows_.count(closing))
                        closer_(closing);
                });
                return true;
            }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace lw
