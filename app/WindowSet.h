#pragma once

#include <QObject>
#include <QSize>
#include <QStringList>

#include <functional>
#include <memory>

#include "users/UserFiles.h"

struct Services;
class GameScreen;
class GameForm;
class WindowStack;
class QWidget;

class TForm1;
class TForm8;
class TForm9;
class TForm10;
class TForm11;
class TPasswordDlg;
class TForm13;
class TForm14;
class TForm15;
class TForm16;
class TForm17;
class TForm18;
class TForm19;
class TForm20;
class TForm21;
class TForm22;
class TForm23;
class TForm24;
class TForm25;
class TForm26;
class TForm27;

// The game's windows: one of each, created at start-up in a fixed order and
// kept until the game ends. Every window reaches the others through here.
class WindowSet : public QObject
{
    Q_OBJECT
public:
    explicit WindowSet(Services &services, const QString &userFolder = QStringLiteral("user"));
    ~WindowSet() override;

    // The whole start-up: create the windows, show the screen, the splash for
    // four seconds, then the main menu.
    void start();

    // The steps of start-up, one by one.
    void createWindows();
    void runSplash();
    void showMainMenu();

    Services &services() const { return m_services; }
    WindowStack &stack() const { return *m_stack; }
    GameScreen &screen() const { return *m_screen; }
    QWidget *surface() const;
    const users::UserFiles &userFiles() const { return m_userFiles; }
    // The size of the game's screen, as the display gives it now.
    QSize screenSize() const;

    // Runs a handler, reporting an IoError (or any other failure) in a
    // message box instead of letting it escape.
    void runGuarded(const std::function<void()> &handler) const;

    // The class names of the windows in the order they were created.
    QStringList creationOrder() const;

    // The main menu has closed: the game ends.
    void endGame();

    TForm1 &form1() const { return *m_form1; }
    TForm8 &form8() const { return *m_form8; }
    TForm9 &form9() const { return *m_form9; }
    TForm10 &form10() const { return *m_form10; }
    TForm11 &form11() const { return *m_form11; }
    TPasswordDlg &passwordDlg() const { return *m_passwordDlg; }
    TForm13 &form13() const { return *m_form13; }
    TForm14 &form14() const { return *m_form14; }
    TForm15 &form15() const { return *m_form15; }
    TForm16 &form16() const { return *m_form16; }
    TForm17 &form17() const { return *m_form17; }
    TForm18 &form18() const { return *m_form18; }
    TForm19 &form19() const { return *m_form19; }
    TForm20 &form20() const { return *m_form20; }
    TForm21 &form21() const { return *m_form21; }
    TForm22 &form22() const { return *m_form22; }
    TForm23 &form23() const { return *m_form23; }
    TForm24 &form24() const { return *m_form24; }
    TForm25 &form25() const { return *m_form25; }
    TForm26 &form26() const { return *m_form26; }
    TForm27 &form27() const { return *m_form27; }

    // The logged-in child's name (the log-in dialog's UserName).
    const QString &userName() const;

signals:
    void ended();

private:
    template <class Form>
    Form *make(Form *&slot);

    Services &m_services;
    users::UserFiles m_userFiles;
    std::unique_ptr<GameScreen> m_screen;
    WindowStack *m_stack;
    std::vector<GameForm *> m_created;

    TForm1 *m_form1 = nullptr;
    TForm8 *m_form8 = nullptr;
    TForm9 *m_form9 = nullptr;
    TForm10 *m_form10 = nullptr;
    TForm11 *m_form11 = nullptr;
    TPasswordDlg *m_passwordDlg = nullptr;
    TForm13 *m_form13 = nullptr;
    TForm14 *m_form14 = nullptr;
    TForm15 *m_form15 = nullptr;
    TForm16 *m_form16 = nullptr;
    TForm17 *m_form17 = nullptr;
    TForm18 *m_form18 = nullptr;
    TForm19 *m_form19 = nullptr;
    TForm20 *m_form20 = nullptr;
    TForm21 *m_form21 = nullptr;
    TForm22 *m_form22 = nullptr;
    TForm23 *m_form23 = nullptr;
    TForm24 *m_form24 = nullptr;
    TForm25 *m_form25 = nullptr;
    TForm26 *m_form26 = nullptr;
    TForm27 *m_form27 = nullptr;
};
