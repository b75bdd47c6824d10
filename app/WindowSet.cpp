#include "app/WindowSet.h"

#include "app/CountDown.h"
#include "app/GameScreen.h"
#include "app/IoError.h"
#include "app/MainMenu.h"
#include "app/ResultWindow.h"
#include "app/Services.h"
#include "app/Splash.h"
#include "app/WindowStack.h"
#include "drills/basic/AdditionDrill.h"
#include "drills/basic/AdditionMenu.h"
#include "drills/basic/DivisionTableDrill.h"
#include "drills/basic/DivisionTableMenu.h"
#include "drills/basic/TimesTableDrill.h"
#include "drills/basic/TimesTableMenu.h"
#include "drills/mental/HorizontalAdditionDrill.h"
#include "drills/mental/HorizontalAdditionMenu.h"
#include "drills/mental/MentalDivisionDrill.h"
#include "drills/mental/MentalDivisionMenu.h"
#include "drills/mental/MentalTimesDrill.h"
#include "drills/mental/MentalTimesMenu.h"
#include "users/DeletionDialog.h"
#include "users/LoginDialog.h"
#include "users/RecordsMenu.h"
#include "users/RecordsTable.h"
#include "users/RegistrationDialog.h"

#include <QGuiApplication>
#include <QScreen>

WindowSet::WindowSet(Services &services, const QString &userFolder)
    : m_services(services), m_userFiles(userFolder), m_screen(std::make_unique<GameScreen>()),
      m_stack(new WindowStack(this))
{
    m_screen->setWindowTitle(QGuiApplication::applicationDisplayName());
    m_screen->setCloseHandler([this] {
        if (m_form1)
            m_form1->Close();
    });
}

WindowSet::~WindowSet() = default;

QWidget *WindowSet::surface() const
{
    return m_screen->surface();
}

QSize WindowSet::screenSize() const
{
    return m_services.display.screenSize();
}

template <class Form>
Form *WindowSet::make(Form *&slot)
{
    slot = new Form(*this);
    m_created.push_back(slot);
    slot->create();
    return slot;
}

void WindowSet::createWindows()
{
    // The main menu first: its creation switches the screen mode, so every
    // window after it takes the game's screen size.
    make(m_form1);
    m_screen->setScreenSize(screenSize());
    make(m_form8);
    make(m_form9);
    make(m_form10);
    make(m_form11);
    make(m_passwordDlg);
    make(m_form13);
    make(m_form14);
    make(m_form15);
    make(m_form16);
    make(m_form17);
    make(m_form18);
    make(m_form19);
    make(m_form20);
    make(m_form21);
    make(m_form22);
    make(m_form23);
    make(m_form24);
    make(m_form25);
    make(m_form26);
    make(m_form27);
}

void WindowSet::runSplash()
{
    m_stack->showModal(m_form27);
}

void WindowSet::showMainMenu()
{
    m_form1->Show();
}

void WindowSet::start()
{
    createWindows();
    // Without a window manager a full-screen request alone does not resize.
    if (const QScreen *physical = QGuiApplication::primaryScreen())
        m_screen->setGeometry(physical->geometry());
    m_screen->showFullScreen();
    runSplash();
    showMainMenu();
}

void WindowSet::runGuarded(const std::function<void()> &handler) const
{
    try {
        handler();
    } catch (const IoError &error) {
        m_services.dialogs.reportError(
            QStringLiteral("「%1」: %2").arg(error.file(), error.reason()));
    } catch (const std::exception &error) {
        m_services.dialogs.reportError(QString::fromLocal8Bit(error.what()));
    }
}

QStringList WindowSet::creationOrder() const
{
    QStringList names;
    for (const GameForm *form : m_created)
        names << QString::fromLatin1(form->metaObject()->className());
    return names;
}

void WindowSet::endGame()
{
    m_screen->hide();
    emit ended();
}

const QString &WindowSet::userName() const
{
    return m_passwordDlg->UserName;
}
