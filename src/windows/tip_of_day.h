#pragma once
// The tip of the day: one tip at random from the tip file beside the program,
// shown at start unless the user switched it off with the window's check box.
#include <cstdint>
#include <functional>
#include <random>

#include <QDialog>
#include <QPointer>
#include <QStringList>

class CheckBox;
class CommandButton;
class Label;
class PictureBuffer;

namespace tips {

inline const QString kTipFileName = QStringLiteral("TIPOFDAY.TXT");
inline const QString kSection = QStringLiteral("Options");
inline const QString kKey = QStringLiteral("Show Tips at Startup");

// The settings store's application name: the executable's base name.
QString SettingsAppName();

// The texts shown instead of a tip when the file is missing or unreadable.
QString NotFoundText();
QString UnreadableText();

} // namespace tips

class frmTip : public QDialog {
public:
    static constexpr int kClientWidth = 361;
    static constexpr int kClientHeight = 219;

    explicit frmTip(QWidget* parent = nullptr);

    // Creates the window and runs its load step; shows it unless the user
    // switched the tips off, in which case the window is gone again and
    // nothing is returned. An open window only comes forward.
    static frmTip* Open(QPointer<frmTip>& window, QWidget* parent);

    // The start sequence; false when the tips are switched off (the window
    // must then be released without being shown).
    bool Form_Load();
    // Reads the tips from the file; false when there is no such file (or it
    // cannot be read).
    bool LoadTips(const QString& fileName);
    void ShowRandomTip();
    void DisplayCurrentTip();

    void cmdNextTip_Click();
    void cmdOK_Click();
    void chkLoadTipsAtStartup_Click();

    // Seeds the pseudo-random source.
    void Randomize(std::uint32_t seed);
    // The next pseudo-random number, uniform in [0, 1) in single precision.
    // Tests may replace Rnd to choose the numbers.
    float NextRandom();
    std::function<float()> Rnd;

    QStringList TipList;
    int TipIndex = 0;

    PictureBuffer* Picture1;
    Label* Label1;
    Label* lblTipText;
    CommandButton* cmdOK;
    CommandButton* cmdNextTip;
    CheckBox* chkLoadTipsAtStartup;

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    std::mt19937 rng_;
    bool unreadable_ = false;
};
