#include "Unit1.h"

#include "Accelerators.h"
#include "Fault.h"
#include "FaultText.h"
#include "NicknameDelegate.h"
#include "PairingListModel.h"
#include "Scaling.h"
#include "ScrollLink.h"
#include "ToolTipTiming.h"
#include "access/Announcer.h"
#include "access/ListViewAccessible.h"
#include "access/MenuAltGuard.h"
#include "access/PushButtonAccessible.h"
#include "platform/WindowSystem.h"
#include "ui_Unit1.h"

#include <QAccessible>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QListView>
#include <QMessageBox>
#include <QPalette>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <exception>
#include <initializer_list>
#include <string_view>

namespace {

void useOwnAccessibleInterfaces()
{
    // Before any control is made: Qt keeps the first interface it hands out for a control.
    static const bool installed = [] {
        QAccessible::installFactory(ListViewAccessible::create);
        QAccessible::installFactory(PushButtonAccessible::create);
        return true;
    }();
    Q_UNUSED(installed)
}

// The window is painted in the system colour of menu bars. Windows gives menu bars a palette of
// their own; where a platform gives none, it is the window colour anyway.
void paintInMenuBarColour(QWidget& window)
{
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QApplication::palette("QMenuBar").color(QPalette::Window));
    window.setPalette(palette);
}

[[nodiscard]] bool isEnter(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

[[nodiscard]] bool isPlainEnter(const QKeyEvent* event)
{
    constexpr auto chords = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
    return isEnter(event) && (event->modifiers() & chords) == 0;
}

// What a command says it did, as the window description words it.
[[nodiscard]] QString announcementOf(const QObject* command)
{
    return command->property("announcement").toString();
}

[[nodiscard]] pairing::ListId partnerOf(pairing::ListId column)
{
    return column == pairing::ListId::Left ? pairing::ListId::Right : pairing::ListId::Left;
}

[[nodiscard]] bool canTakeFocus(const QWidget* widget)
{
    return widget->isEnabled() && widget->isVisible() &&
           (widget->focusPolicy() & Qt::TabFocus) != 0;
}

// A move to another screen, or from Qt 6.6 on also a change of the display scaling under the
// window, which Qt tells only as a new device pixel ratio.
[[nodiscard]] bool isDensityChange(const QEvent& event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    if (event.type() == QEvent::DevicePixelRatioChange) {
        return true;
    }
#endif
    return event.type() == QEvent::ScreenChangeInternal;
}

void giveAccelerators(const QList<QAction*>& level)
{
    QStringList captions;
    for (const QAction* action : level) {
        captions.append(action->text());
    }
    const QStringList marked = withAccelerators(captions);
    for (qsizetype i = 0; i < level.size(); ++i) {
        level[i]->setText(marked[i]);
    }
}

} // namespace

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::TForm1>()), announcer_(new Announcer(this)),
      reportFault_([this](const QString& message) {
          QMessageBox::critical(this, applicationTitle(), message);
      })
{
    provideDescribedFont();
    useSystemLook();
    useOwnAccessibleInterfaces();
    ui->setupUi(this);
    // Before the window system can make the window and tell of its screen.
    rememberDescription();
    paintInMenuBarColour(*this);
    // The described geometry is the outer one, frame included.
    keepOuterGeometry(*this, QRect(property("outerPosition").toPoint(), size()));
    scaleToScreen();
    nameBuddies();
    assignMenuAccelerators();
    setUpLists();

    auto* timing = new ToolTipTiming(this);
    timing->apply(ui->Button1);
    timing->apply(ui->Button2);

    for (QWidget* watched :
         std::initializer_list<QWidget*>{ui->Edit1, ui->Button1, ui->Button2, ui->Button3,
                                         ui->ListBox1, ui->ListBox2, ui->ListBox3}) {
        watched->installEventFilter(this);
    }
    new MenuAltGuard(this);
    connectCommands();
    state_.setObserver(this);
}

TForm1::~TForm1() = default;

QString TForm1::applicationTitle()
{
    return QStringLiteral("Dornavel");
}

void TForm1::Button1Click()
{
    perform([this] {
        state_.addPlayer();
        ui->Edit1->setFocus();
        announcer_->announce(announcementOf(ui->Button1)
                                 .arg(ui->Edit1->text(),
                                      QString::number(model(pairing::ListId::Roster)->rowCount())));
    });
}

void TForm1::Button2Click()
{
    perform([this] {
        state_.draw();
        announceDraw();
    });
}

void TForm1::Button3Click()
{
    setAboutLinesVisible(false);
}

void TForm1::Button4Click()
{
    ui->Button1->setDefault(true);
}

void TForm1::N1Click()
{
    perform([this] {
        state_.startOver();
        announcer_->announce(announcementOf(ui->N1));
    });
}

void TForm1::N2Click()
{
    setAboutLinesVisible(true);
}

void TForm1::N3Click()
{
    perform([this] {
        state_.clearRoster();
        announcer_->announce(announcementOf(ui->N3));
    });
}

void TForm1::N4Click()
{
    perform([this] {
        state_.clearColumns();
        announcer_->announce(announcementOf(ui->N4));
    });
}

void TForm1::N5Click()
{
    // Ends the process where it stands: nothing is saved, so there is nothing to close.
    std::exit(EXIT_SUCCESS);
}

bool TForm1::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate) {
        Button4Click();
    }
    const bool handled = QMainWindow::event(event);
    if (isDensityChange(*event)) {
        rescaleIfTheDensityChanged();
    }
    return handled;
}

void TForm1::keyPressEvent(QKeyEvent* event)
{
    // Qt gives a default button only to dialogs; here Enter reaches this handler from every
    // control that does not use it, and from the window itself when no control has the focus.
    if (isPlainEnter(event) && clickForEnter()) {
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

bool TForm1::clickForEnter()
{
    if (auto* focused = qobject_cast<QPushButton*>(focusWidget())) {
        focused->click();
        return true;
    }
    if (ui->Button1->isDefault() && canTakeFocus(ui->Button1)) {
        ui->Button1->click();
        return true;
    }
    return false;
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    // A focused push button would take Enter with Shift, Ctrl or Alt as a click; only plain
    // Enter counts, there as everywhere else in the window.
    if (event->type() == QEvent::KeyPress && qobject_cast<QPushButton*>(watched) != nullptr) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (isEnter(key) && !isPlainEnter(key)) {
            return true;
        }
    }
    // Qt selects the entry's text when Tab or a shortcut brings the focus; the window also wants
    // it when a command sends the focus there, so that typing replaces the last nickname.
    if (watched == ui->Edit1 && event->type() == QEvent::FocusIn &&
        static_cast<QFocusEvent*>(event)->reason() == Qt::OtherFocusReason) {
        ui->Edit1->selectAll();
    }
    if (auto* view = qobject_cast<QListView*>(watched);
        view != nullptr && event->type() == QEvent::FocusIn) {
        showCurrentItemOnFocus(view);
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::appended(pairing::ListId list)
{
    model(list)->publishAppended();
    if (list != pairing::ListId::Roster) {
        model(partnerOf(list))->publishPartnerChanged();
    }
}

void TForm1::cleared(pairing::ListId list)
{
    model(list)->publishCleared();
    if (list != pairing::ListId::Roster) {
        model(partnerOf(list))->publishPartnerChanged();
    }
}

void TForm1::drawEnabledChanged(bool enabled)
{
    // Qt would pass the focus of a button being disabled on to the next control; the window
    // takes it instead, so that Enter goes on adding the entry text, and a screen reader is told
    // where the focus went.
    if (!enabled && ui->Button2->hasFocus()) {
        setFocus(Qt::OtherFocusReason);
    }
    ui->Button2->setEnabled(enabled);
}

void TForm1::entryTextCleared()
{
    ui->Edit1->clear();
}

TForm1::Density TForm1::currentDensity() const
{
    return {screen()->logicalDotsPerInch(), devicePixelRatioF()};
}

void TForm1::rememberDescription()
{
    describedFont_ = font();
    const QList<QWidget*> controls = ui->Client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* control : controls) {
        describedPlaces_.emplace_back(control, control->geometry());
    }
}

void TForm1::scaleToScreen()
{
    scaledFor_ = currentDensity();
    // Qt already maps logical pixels to device pixels by the screen's scale factor, and reports
    // the logical density as 96 when it does. Reading the logical density therefore scales only
    // what Qt leaves unscaled, never twice.
    QFont windowFont = describedFont_;
    windowFont.setPixelSize(
        scaling::fontPixelSize(describedFont_.pointSizeF(), scaledFor_.dotsPerInch));
    windowFont = fontForScreen(windowFont, *this);
    setFont(windowFont);

    // From the described places every time, so that no rounding is taken over from before.
    const int lineHeight =
        QFontMetrics(windowFont).size(Qt::TextSingleLine, QStringLiteral("0")).height();
    for (const auto& [control, described] : describedPlaces_) {
        control->setGeometry(scaling::scaledToLineHeight(described, lineHeight));
    }
    sizeLabels();
    updateScrollExtent();
}

void TForm1::rescaleIfTheDensityChanged()
{
    // A font chosen for one density can come out blurred or blocky at another, as a bitmap face
    // does on Windows away from 100 %.
    if (currentDensity() != scaledFor_) {
        scaleToScreen();
    }
}

void TForm1::sizeLabels()
{
    const QList<QLabel*> labels = ui->Client->findChildren<QLabel*>();
    for (QLabel* label : labels) {
        // A label's size hint adds the font's external leading.
        label->resize(label->sizeHint().width(), label->fontMetrics().height());
    }
}

void TForm1::nameBuddies()
{
    const QList<QLabel*> labels = ui->Client->findChildren<QLabel*>();
    for (const QLabel* label : labels) {
        if (QWidget* buddy = label->buddy();
            buddy != nullptr && buddy->accessibleName().isEmpty()) {
            buddy->setAccessibleName(label->text());
        }
    }
}

void TForm1::assignMenuAccelerators()
{
    const QList<QAction*> menus = ui->MainMenu1->actions();
    giveAccelerators(menus);
    for (const QAction* menu : menus) {
        giveAccelerators(menu->menu()->actions());
    }
}

void TForm1::setUpLists()
{
    const std::array<QListView*, 3> views{ui->ListBox1, ui->ListBox2, ui->ListBox3};
    for (std::size_t i = 0; i < views.size(); ++i) {
        models_[i] = new PairingListModel(state_.list(static_cast<pairing::ListId>(i)), this);
        views[i]->setModel(models_[i]);
        views[i]->setItemDelegate(new NicknameDelegate(views[i]));
    }
    new ScrollLink(ui->ListBox2, ui->ListBox3, this);
    for (const auto column : {pairing::ListId::Left, pairing::ListId::Right}) {
        model(column)->pairWith(model(partnerOf(column)), property("pairDescription").toString(),
                                property("unpairedDescription").toString());
    }
}

void TForm1::connectCommands()
{
    connect(ui->Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(ui->Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(ui->Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    connect(ui->N1, &QAction::triggered, this, &TForm1::N1Click);
    connect(ui->N2, &QAction::triggered, this, &TForm1::N2Click);
    connect(ui->N3, &QAction::triggered, this, &TForm1::N3Click);
    connect(ui->N4, &QAction::triggered, this, &TForm1::N4Click);
    connect(ui->N5, &QAction::triggered, this, &TForm1::N5Click);
    connect(ui->Edit1, &QLineEdit::textChanged, this,
            [this](const QString& text) { state_.setEntryText(text.toStdU16String()); });
}

void TForm1::setAboutLinesVisible(bool visible)
{
    for (QWidget* line :
         std::initializer_list<QWidget*>{ui->Label3, ui->Label4, ui->Label5, ui->Button3}) {
        line->setVisible(visible);
    }
    updateScrollExtent();
}

void TForm1::updateScrollExtent()
{
    // The scrollable extent reaches to the furthest edges of the controls that are shown.
    const QRect shown = ui->Client->childrenRect();
    ui->Client->resize(shown.x() + shown.width(), shown.y() + shown.height());
}

void TForm1::announceDraw()
{
    const int left = model(pairing::ListId::Left)->rowCount();
    const int right = model(pairing::ListId::Right)->rowCount();
    announcer_->announce(announcementOf(ui->Button2)
                             .arg(QString::number(model(pairing::ListId::Roster)->rowCount()),
                                  QString::number(std::min(left, right)),
                                  QString::number(std::abs(left - right))));
}

void TForm1::showCurrentItemOnFocus(QListView* view)
{
    // A list with no current item tells a screen reader only of itself, and arrows over a single
    // item move nowhere; the first item becomes current, but not selected.
    const QModelIndex first = view->model()->index(0, 0);
    if (!view->currentIndex().isValid() && first.isValid()) {
        view->selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    }
    // Qt tells a screen reader of the list after this event; told after that, the item is what
    // the reader speaks.
    QTimer::singleShot(0, view, [view] {
        const QModelIndex current = view->currentIndex();
        if (view->hasFocus() && current.isValid()) {
            QAccessibleEvent event(view, QAccessible::Focus);
            event.setChild(current.row());
            QAccessible::updateAccessibility(&event);
        }
    });
}

void TForm1::perform(const std::function<void()>& operation)
{
    try {
        operation();
    } catch (const std::exception& fault) {
        try {
            reportFault_(withFullStop(QString::fromUtf8(pairing::faultMessage(fault))));
        } catch (...) {
            // Memory too short even to say so: the operation has stopped, the window goes on.
        }
    }
}
