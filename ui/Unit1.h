#pragma once

// The program's one window, and how it fits together:
// - Unit1.ui describes every control, text, font, tooltip and the menu. TForm1 adapts that
//   description to the screen at creation, and again when the window moves to a screen of
//   another density; the window-system seam keeps the described outer geometry, frame included.
// - TForm1 owns the pairing state and observes it, telling each list model, and the
//   "Распределить" button, of every change. The three list views read the roster and the two
//   columns in place through PairingListModel and draw them with NicknameDelegate; a ScrollLink
//   keeps the two columns on the same rows.
// - Each handler performs one operation of the state; a fault it raises is reported by one
//   message box, and the window goes on.
// - What a command did is also told to a screen reader through the Announcer, each row of the
//   two columns describes its pair, and the lists and buttons present themselves to the reader
//   through interfaces of their own.
//
// The rooms: ui/ holds the window's own files; ui/access/ what a screen reader needs (the
// Announcer, the accessible interfaces, the MenuAltGuard that keeps Alt+F working while a reader
// listens); ui/platform/ the window-system seam, WindowSystem.h, with one folder per platform
// behind it (linux/, windows/), of which the build takes one. The window includes WindowSystem.h
// and never a platform's folder.

#include "PairingObserver.h"
#include "PairingState.h"

#include <QFont>
#include <QMainWindow>
#include <QRect>
#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

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

    // The density the window was last scaled for: its screen's logical dots per inch, and the
    // device pixels to each of Qt's.
    struct Density
    {
        double dotsPerInch = 0;
        double pixelRatio = 0;
        bool operator==(const Density&) const = default;
    };
    [[nodiscard]] Density currentDensity() const;
    void rememberDescription();
    void scaleToScreen();
    void rescaleIfTheDensityChanged();
    // One line of the font high, as wide as the text.
    void sizeLabels();
    // Qt names a line edit after its label for screen readers, but not an item view.
    void nameBuddies();
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
    // The font and the controls' places as the window description gives them, before scaling.
    QFont describedFont_;
    std::vector<std::pair<QWidget*, QRect>> describedPlaces_;
    Density scaledFor_;
    pairing::PairingState state_;
    std::array<PairingListModel*, 3> models_{};
    Announcer* announcer_ = nullptr;
    FaultReporter reportFault_;
};
