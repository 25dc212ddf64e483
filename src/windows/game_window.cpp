#include "windows/game_window.h"

#include "art/pictures.h"
#include "controls/image_control.h"
#include "controls/interval_timer.h"
#include "controls/label_control.h"
#include "controls/multi_line_text_box.h"
#include "controls/picture_box.h"
#include "controls/plain_tool_tip.h"
#include "platform/window_system.h"
#include "rules/clock.h"
#include "windows/game_screen.h"
#include "windows/keyboard_focus.h"
#include "windows/window_group.h"
#include "windows/window_registry.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGraphicsDropShadowEffect>
#include <QGuiApplication>
#include <QMoveEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <stdexcept>

namespace tavrin {
namespace {

QString key(const QString& name, int index) {
    return index < 0 ? name : name + "(" + QString::number(index) + ")";
}

// Light captions ("START ->") on the light wood get a soft dark edge, so they stay readable.
QGraphicsEffect* readableShadow(QWidget* owner) {
    auto* shadow = new QGraphicsDropShadowEffect(owner);
    shadow->setOffset(1, 1);
    shadow->setBlurRadius(3);
    shadow->setColor(QColor(0x20, 0x40, 0x20, 220));
    return shadow;
}

bool isWindowedKind(layout::ControlKind kind) {
    using K = layout::ControlKind;
    return kind == K::PictureBox || kind == K::TextBox || kind == K::CommandButton;
}

QFont fontFor(const layout::Font& f) {
    QFont font(f.face);
    // Pixel sizes at 96 dpi keep the designed layout whatever dpi the X server reports;
    // high-DPI screens scale the whole window, fonts included.
    font.setPixelSize(qRound(f.points * 96.0 / 72.0));
    font.setBold(f.bold);
    font.setItalic(f.italic);
    return font;
}

} // namespace

GameWindow::GameWindow(const WindowBasics& basics, layout::WindowDesign design)
    : basics_(basics), design_(std::move(design)) {
    setObjectName(design_.name);
    applyWindowSettings();
    buildControls();
    addKeyHints(*this);
    placeWindow();
}

GameWindow::~GameWindow() {
    basics_.session.removeListener(*this);
}

void GameWindow::listenToSession() {
    basics_.session.addListener(*this);
}

void GameWindow::applyWindowSettings() {
    // Which windows stand on the taskbar, and for which window the others, is WindowGroup's.
    // They stay ordinary windows: a tool window would be kept above the handle by some window
    // managers, and the handle is raised over the board while it is dragged.
    Qt::WindowFlags flags = Qt::Window;
    if (design_.hasTitleBar && design_.shape == layout::Shape::Rectangle)
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint;
    else
        flags |= Qt::FramelessWindowHint;
    setWindowFlags(flags);
    setWindowTitle(translated(design_.caption));
    if (!design_.icon.isEmpty())
        setWindowIcon(QIcon(picture(design_.icon)));
    const QSize client(layout::px(design_.clientWidth), layout::px(design_.clientHeight));
    if (design_.frame == layout::Frame::Sizable)
        resize(client);
    else
        setFixedSize(client);
    if (!design_.background.isEmpty())
        background_ = picture(design_.background);
    if (design_.shape == layout::Shape::Ball) {
        const QRegion ball(layout::kBallLeft, layout::kBallTop, layout::kBallDiameter,
                           layout::kBallDiameter, QRegion::Ellipse);
        if (windowShapesShown())
            setMask(ball);
        else // transparent corners cut the ball where the desktop shows shapes whole
            clearOutsideShape(*this, ball);
    }
}

// Stored positions count from the top-left corner of the available area (the screen without
// its panels) of the screen the game is played on.
void GameWindow::placeWindow() {
    const QScreen* screen = basics_.screen.screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize client(layout::px(design_.clientWidth), layout::px(design_.clientHeight));
    if (design_.start == layout::StartPosition::Manual) {
        const QPoint stored(layout::px(design_.left), layout::px(design_.top));
        setGeometry(QRect(area.topLeft() + stored, client));
    } else if (design_.start == layout::StartPosition::CenterScreen) {
        QRect r(QPoint(), client);
        r.moveCenter(area.center());
        setGeometry(r);
    }
}

void GameWindow::buildControls() {
    // Controls are listed front to back; windowed controls always stand in front of the
    // labels and images drawn on the window. Creating back to front stacks them that way.
    const std::size_t count = design_.controls.size();
    std::vector<QWidget*> built(count);
    for (bool windowed : {false, true})
        for (std::size_t i = count; i-- > 0;)
            if (isWindowedKind(design_.controls[i].kind) == windowed)
                built[i] = createControl(design_.controls[i]);
    for (std::size_t i = 0; i < count; ++i) {
        controls_.push_back({&design_.controls[i], built[i]});
        controlsByName_.insert(built[i]->objectName(), built[i]);
    }
    // Texts last: Qt tells assistive technology of each text set, and the first time it does
    // it connects to the session bus; the controls are built meanwhile.
    for (const BuiltControl& c : controls_)
        showText(c);
    for (const auto& t : design_.timers) {
        auto* timer = new IntervalTimer(this, t.precise);
        timer->setObjectName(t.name);
        timer->setInterval(t.interval); // every timer is enabled at load
        timers_.insert(t.name, timer);
    }
}

QWidget* GameWindow::createControl(const layout::ControlDesign& c) {
    using K = layout::ControlKind;
    QWidget* w = nullptr;
    switch (c.kind) {
    case K::Label: {
        auto* label = new LabelControl(this);
        label->setOpaque(!c.transparent);
        label->setSunkenBorder(c.border == layout::Border::Sunken);
        if (c.alignRight)
            label->setAlignment(Qt::AlignRight | Qt::AlignTop);
        const QColor textColor = c.textColor.value_or(layout::btnText());
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, textColor);
        label->setPalette(p);
        if (c.transparent && textColor.lightness() > 200)
            label->setGraphicsEffect(readableShadow(label));
        w = label;
        break;
    }
    case K::Image: {
        auto* image = new ImageControl(this);
        image->setStretch(c.stretch);
        image->setBorder(c.border == layout::Border::Sunken);
        w = image;
        break;
    }
    case K::PictureBox:
        w = new PictureBox(this);
        break;
    case K::TextBox: {
        auto* edit = new MultiLineTextBox(this);
        edit->setVerticalScrollBarPolicy(c.verticalScrollBar ? Qt::ScrollBarAlwaysOn
                                                             : Qt::ScrollBarAsNeeded);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff); // lines wrap instead
        edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        w = edit;
        break;
    }
    case K::CommandButton:
        w = new QPushButton(this);
        break;
    }
    w->setObjectName(key(c.name, c.index));
    if (c.font)
        w->setFont(fontFor(*c.font));
    if (!c.tooltip.isEmpty())
        w->setToolTip(plainToolTip(translated(c.tooltip)));
    w->setGeometry(layout::px(c.left), layout::px(c.top), layout::px(c.width),
                   layout::px(c.height));
    if (c.kind == K::Image && !c.picture.isEmpty())
        static_cast<ImageControl*>(w)->setPicture(picture(c.picture));
    if (c.kind == K::PictureBox && !c.picture.isEmpty())
        static_cast<PictureBox*>(w)->setPicture(picture(c.picture));
    w->setVisible(c.visible);
    return w;
}

// A label's or a button's caption, a text box's text.
void GameWindow::showText(const BuiltControl& c) {
    using K = layout::ControlKind;
    const QString& caption = c.design->caption;
    if (c.design->kind == K::Label)
        static_cast<LabelControl*>(c.widget)->setCaption(translated(caption));
    else if (c.design->kind == K::CommandButton)
        static_cast<QPushButton*>(c.widget)->setText(translated(caption));
    else if (c.design->kind == K::TextBox)
        static_cast<QPlainTextEdit*>(c.widget)->setPlainText(caption);
}

// Layout texts are translated in the window's own context, so that the same words may read
// differently in two windows. Without a translation (the Chinese sets) they stay as designed.
QString GameWindow::translated(const QString& designed) const {
    if (designed.isEmpty())
        return designed;
    return QCoreApplication::translate(design_.name.toUtf8().constData(),
                                       designed.toUtf8().constData());
}

void GameWindow::moveFrameTo(QPoint position) {
    if (position == frameGeometry().topLeft())
        return;
    // A window on screen may hear about the move again, later, from the window system.
    if (isVisible() && windowsCanBePlaced())
        moveRequests_.requested(position, basics_.clock.monotonicSeconds());
    move(position);
}

// Qt reports the game's own moves at once (not spontaneous); what the window system reports
// later is spontaneous, the game's requests arriving late and the moves made by others.
void GameWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (!event->spontaneous() || !isVisible() || destroying_ || !windowsCanBePlaced())
        return;
    if (!moveRequests_.isOwn(frameGeometry().topLeft(), basics_.clock.monotonicSeconds()))
        emit movedBySystem(this);
}

QWidget& GameWindow::controlNamed(const char* name, int index) const {
    QWidget* c = controlsByName_.value(key(name, index), nullptr);
    if (!c)
        throw std::logic_error(
            ("no control " + design_.name + "." + key(name, index)).toStdString());
    return *c;
}

// Binding happens once, as the window is built: a name or a kind that does not match the
// layout stops the first load of the window, in every test that loads it.
template <layout::ControlKind K>
ControlOf<K>& GameWindow::member(const char* name, int index) const {
    auto* c = qobject_cast<ControlOf<K>*>(&controlNamed(name, index));
    if (!c)
        throw std::logic_error(
            ("control " + design_.name + "." + key(name, index) + " is not of the kind bound")
                .toStdString());
    return *c;
}

template LabelControl& GameWindow::member<layout::ControlKind::Label>(const char*, int) const;
template ImageControl& GameWindow::member<layout::ControlKind::Image>(const char*, int) const;
template PictureBox& GameWindow::member<layout::ControlKind::PictureBox>(const char*, int) const;
template MultiLineTextBox& GameWindow::member<layout::ControlKind::TextBox>(const char*, int) const;
template QPushButton& GameWindow::member<layout::ControlKind::CommandButton>(const char*,
                                                                             int) const;

IntervalTimer& GameWindow::bind(layout::TimerId id) const {
    auto* t = timers_.value(id.name, nullptr);
    if (!t)
        throw std::logic_error(("no timer " + design_.name + "." + id.name).toStdString());
    return *t;
}

void GameWindow::markDestroying() {
    destroying_ = true;
    basics_.session.removeListener(*this);
    setEnabled(false);
    for (IntervalTimer* t : std::as_const(timers_))
        t->setInterval(0);
}

bool GameWindow::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::Show:
        moveRequests_.clear(); // which windows stand on the taskbar: WindowGroup
        if (keepsActivation_)
            activateWindow(); // without a window manager nobody else makes a new window active
        break;
    case QEvent::Hide:
        moveRequests_.clear();
        break;
    case QEvent::WindowDeactivate:
        onDeactivate();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void GameWindow::onDeactivate() {
    // The activation is still being handed over while this runs; take it back once it settled.
    if (keepsActivation_)
        QTimer::singleShot(0, this, &GameWindow::reclaimActivation);
}

void GameWindow::reclaimActivation() {
    // Only the game's other windows give the activation back. Message boxes (a bonus among
    // them) and other programs keep it, and so does any window while a box is open.
    const auto* active = qobject_cast<const GameWindow*>(QApplication::activeWindow());
    if (!active || active == this || destroying_ || QApplication::activeModalWidget())
        return;
    raise();
    activateWindow();
}

void GameWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), layout::btnFace());
    // At its natural size from the top-left corner: whatever lies beyond the client is cut off.
    painter.drawPixmap(0, 0, background_);
}

void GameWindow::closeEvent(QCloseEvent* event) {
    if (destroying_) {
        event->accept();
        return;
    }
    event->ignore();
    systemClose();
}

void GameWindow::systemClose() {
    basics_.windows.unloadWindow(*this);
}

} // namespace tavrin
