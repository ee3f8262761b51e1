#include "windows/tip_of_day.h"

#include <algorithm>
#include <chrono>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>

#include "artwork/windows_art.h"
#include "core/tip_file.h"
#include "platform/controls.h"
#include "platform/environment.h"
#include "platform/picture_buffer.h"
#include "platform/secondary_window.h"
#include "platform/style.h"
#include "platform/window_placement.h"

namespace tips {

QString SettingsAppName()
{
    const QString base = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return base.isEmpty() ? QStringLiteral("Glimmerdeck") : base;
}

QString NotFoundText()
{
    return QStringLiteral("That the ") + kTipFileName + QStringLiteral(" file was not found? ") +
           QStringLiteral("\r\n\r\n") + QStringLiteral("Create a text file named ") + kTipFileName +
           QStringLiteral(" using NotePad with 1 tip per line. ") +
           QStringLiteral("Then place it in the same directory as the application. ");
}

QString UnreadableText()
{
    return QStringLiteral("The ") + kTipFileName +
           QStringLiteral(" file beside the application could not be read. \n\nCheck that it is a text file "
                          "that you are allowed to open, with 1 tip per line. ");
}

} // namespace tips

frmTip::frmTip(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::WindowContextHelpButtonHint)
{
    setObjectName(QStringLiteral("frmTip"));
    setWindowTitle(QStringLiteral("Tip of the Day"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setFixedSize(kClientWidth, kClientHeight);
    setWindowIcon(QIcon(QPixmap::fromImage(artwork::TipIcon())));

    Picture1 = new PictureBuffer(this, PictureKind::Box, QStringLiteral("Picture1"), 8, 8, 249, 181, style::kWhite);
    Picture1->setPicture(artwork::TipIcon());
    Label1 = new Label(Picture1, QStringLiteral("Label1"), QRect(36, 12, 177, 17),
                       QStringLiteral("Did you know..."));
    Label1->setBackColor(style::kWhite);
    style::SetBoldFont(Label1);
    lblTipText = new Label(Picture1, QStringLiteral("lblTipText"), QRect(12, 56, 217, 109));
    lblTipText->setBackColor(style::kWhite);
    // A tip is shown as written, never read as markup.
    lblTipText->setTextFormat(Qt::PlainText);

    cmdOK = new CommandButton(this, QStringLiteral("cmdOK"), QRect(272, 8, 81, 25), QStringLiteral("OK"));
    cmdOK->setDefault(true);
    cmdNextTip = new CommandButton(this, QStringLiteral("cmdNextTip"), QRect(272, 40, 81, 25),
                                   QStringLiteral("&Next Tip"));
    chkLoadTipsAtStartup = new CheckBox(this, QStringLiteral("chkLoadTipsAtStartup"), QRect(8, 196, 137, 21),
                                        QStringLiteral("&Show Tips at Startup"));
    // Wide enough for its caption in the font at hand.
    chkLoadTipsAtStartup->resize(std::max(137, chkLoadTipsAtStartup->sizeHint().width()), 21);
    setTabOrder(cmdOK, Picture1);
    setTabOrder(Picture1, cmdNextTip);
    setTabOrder(cmdNextTip, chkLoadTipsAtStartup);

    cmdOK->onClick = [this] { cmdOK_Click(); };
    cmdNextTip->onClick = [this] { cmdNextTip_Click(); };
    chkLoadTipsAtStartup->onClick = [this] { chkLoadTipsAtStartup_Click(); };

    Randomize(5489u);
    CentreOnScreen(this);
}

frmTip* frmTip::Open(QPointer<frmTip>& window, QWidget* parent)
{
    return OpenOnce(window, [&]() -> frmTip* {
        auto* made = new frmTip(parent);
        if (made->Form_Load())
            return made;
        delete made; // the tips are switched off
        return nullptr;
    });
}

bool frmTip::Form_Load()
{
    const QString stored = SettingsStore::GetSetting(tips::SettingsAppName(), tips::kSection, tips::kKey,
                                                     QStringLiteral("1"));
    if (!tips::TipsOn(stored))
        return false;
    SetTopMost(this);
    // Checking the box stores "1", so the setting is written at every start.
    chkLoadTipsAtStartup->setValue(1);
    Randomize(static_cast<std::uint32_t>(
        std::chrono::steady_clock::now().time_since_epoch().count() ^
        std::chrono::system_clock::now().time_since_epoch().count()));
    if (!LoadTips(QDir(ProgramFolder::Path()).filePath(tips::kTipFileName)))
        lblTipText->setText(unreadable_ ? tips::UnreadableText() : tips::NotFoundText());
    return true;
}

bool frmTip::LoadTips(const QString& fileName)
{
    const tips::TipFile file = tips::ReadTipFile(fileName);
    unreadable_ = file.state == tips::TipFileState::Unreadable;
    if (file.state != tips::TipFileState::Read)
        return false;
    TipList.append(file.lines);
    ShowRandomTip();
    return true;
}

void frmTip::ShowRandomTip()
{
    TipIndex = tips::TipIndexFor(NextRandom(), static_cast<int>(TipList.size()));
    DisplayCurrentTip();
}

void frmTip::DisplayCurrentTip()
{
    if (!TipList.isEmpty() && TipIndex >= 1 && TipIndex <= TipList.size())
        lblTipText->setText(TipList[TipIndex - 1]);
}

void frmTip::cmdNextTip_Click() { ShowRandomTip(); }

void frmTip::cmdOK_Click() { close(); }

void frmTip::chkLoadTipsAtStartup_Click()
{
    SettingsStore::SaveSetting(tips::SettingsAppName(), tips::kSection, tips::kKey,
                               chkLoadTipsAtStartup->Value() ? QStringLiteral("1") : QStringLiteral("0"));
}

void frmTip::Randomize(std::uint32_t seed) { rng_.seed(seed); }

float frmTip::NextRandom()
{
    if (Rnd)
        return Rnd();
    // The top 24 bits give every float in [0, 1) on a 2^-24 grid, never 1.
    return static_cast<float>(rng_() >> 8) * (1.0f / 16777216.0f);
}

void frmTip::keyPressEvent(QKeyEvent* e)
{
    // Esc presses "OK", as Enter does through the default button.
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        cmdOK_Click();
        return;
    }
    QDialog::keyPressEvent(e);
}
