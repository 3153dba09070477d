#include "app/heliodial.h"

#include "app/controlpanel.h"
#include "app/mainwindow.h"
#include "app/platform.h"
#include "dialogs/aboutbox.h"
#include "dialogs/alignmentdialog.h"
#include "dialogs/intervaldialog.h"
#include "dialogs/latitudedialog.h"
#include "dialogs/photowindow.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QIcon>
#include <QTabWidget>
#include <QWindow>

namespace {

// Hangs a window on another: the window system keeps it above its owner and
// minimises and restores the two together, and a window-modal dialog hung on
// the owner blocks both.
void HangOn(QWidget &window, QWidget &owner)
{
    window.winId();
    owner.winId();
    window.windowHandle()->setTransientParent(owner.windowHandle());
}

} // namespace

Heliodial::Heliodial(Platform &platform) : m_platform(platform)
{
    // The name, not the display name: Qt would append a display name to every
    // window caption.
    QGuiApplication::setApplicationName(QString::fromLatin1(Title));
    m_platform.setHelpFile(QString::fromLatin1(HelpFile));
    // The windows are laid out to the pixel for a narrow 11-pixel sans font;
    // Liberation Sans has the metrics they were drawn for.
    QFont font = QApplication::font();
    if (QFontDatabase::families().contains(QStringLiteral("Liberation Sans")))
        font.setFamily(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    QApplication::setFont(font);
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icon/heliodial-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    m_options = std::make_unique<TOptions>(*this);
    m_form1 = std::make_unique<TForm1>(*this);
    m_form1->FormCreate();
    m_aboutBox = std::make_unique<TAboutBox>(*this);
    m_alignment = std::make_unique<TFAlignment>(*this);
    m_form3 = std::make_unique<TForm3>(*this);
    m_latitude = std::make_unique<TFLatitude>(*this);
    m_hiddenForm = std::make_unique<THiddenForm>(*this);
    HangOn(*m_options, *m_form1);
    HangOn(*m_aboutBox, *m_form1);
}

Heliodial::~Heliodial() = default;

void Heliodial::show()
{
    m_form1->show();
    if (m_form1->ControlPanelShown && m_form1->TabbedNotebook1->currentIndex() != 0) {
        m_options->show();
        m_options->raise();
    }
}
