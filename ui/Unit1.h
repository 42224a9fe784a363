#pragma once

// The program's one window. Unit1.ui describes every control, text, font, tooltip and the menu;
// TForm1 adapts that description to the screen once, at creation, and then binds it to the
// pairing state it owns; the window system's part (platform/WindowSystem.h) keeps the described
// outer geometry, frame included. The three list views read the roster and the two columns in
// place through PairingListModel and draw them with NicknameDelegate, and a ScrollLink keeps the two columns on the same rows. TForm1 observes the state and tells each
// model, and the "Распределить" button, of every change. Each handler performs one operation of the
// state; a fault it raises is reported by one message box, and the window goes on. What a command
// did is also told to a screen reader through the Announcer, and each row of the two columns
// describes its pair; the lists and buttons present themselves to the reader through interfaces of
// their own (ListViewAccessible, PushButtonAccessible), and a MenuAltGuard keeps Alt+F working
// while a reader listens, so that a user who cannot see the window hears what it shows.
//
// The files live in three rooms: ui/ holds the window's own; ui/access/ what a screen reader
// needs (the Announcer, the accessible interfaces, the MenuAltGuard); ui/platform/ the
// window-system seam, WindowSystem.h, with one folder per platform behind it (linux/: the X
// properties and the FrameFitter; windows/), of which the build takes one. The window includes
// WindowSystem.h and never a platform's folder.

#include "PairingObserver.h"
#include "PairingState.h"

#include <QMainWindow>
#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <utility>

class Announcer;
class PairingListModel;
class QListView;
class QPushButton;

namespace Ui {
class TForm1;
}

class TForm1 : public QMainWindow, private pairing::PairingObserver
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm1)

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    [[nodiscard]] static QString applicationTitle();

    [[nodiscard]] pairing::PairingState& state() noexcept { return state_; }

    // Where faults go; by default a modal message box. Receives the text the user would read.
    using FaultReporter = std::function<void(const QString& message)>;
    void setFaultReporter(FaultReporter reporter) { reportFault_ = std::move(reporter); }

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void N1Click();
    void N2Click();
    void N3Click();
    void N4Click();
    [[noreturn]] void N5Click();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void appended(pairing::ListId list) override;
    void cleared(pairing::ListId list) override;
    void drawEnabledChanged(bool enabled) override;
    void entryTextCleared() override;

    void scaleToScreen();
    // Sizes each label to its text and names its buddy after it.
    void setUpLabels();
    void assignMenuAccelerators();
    void setUpLists();
    void connectCommands();
    [[nodiscard]] PairingListModel* model(pairing::ListId list) const
    {
        return models_[static_cast<std::size_t>(list)];
    }
    void announceDraw();
    void showCurrentItemOnFocus(QListView* view);
    void setAboutLinesVisible(bool visible);
    void updateScrollExtent();
    [[nodiscard]] bool clickForEnter();
    void perform(const std::function<void()>& operation);

    std::unique_ptr<Ui::TForm1> ui;
    pairing::PairingState state_;
    std::array<PairingListModel*, 3> models_{};
    Announcer* announcer_ = nullptr;
    FaultReporter reportFault_;
};
