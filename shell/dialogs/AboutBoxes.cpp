#include "shell/dialogs/AboutBoxes.h"

#include "core/ProgramData.h"
#include "core/lang/AboutText.h"
#include "platform/MessageBox.h"
#include "platform/Process.h"
#include "shell/dialogs/AppVersion.h"
#include "core/widgets/DesignLayout.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QStandardPaths>

namespace AboutBoxes {

void ShowAboutBox(QWidget* parent) {
    if (Prog::CurLanguage == Lang::kEnglish) FrmAbout2::ShowModal(parent);
    else frmAbout::ShowModal(parent);
}

}  // namespace AboutBoxes

namespace {

// Layout in twips, measured from the box's design size: the icon and the texts beside it,
// an etched line, then the notice with the buttons at its right.
constexpr int kMargin = 240;
constexpr int kTextLeft = 1200;
constexpr int kLineTop = 1800;
constexpr int kLowerTop = 1980;
constexpr int kButtonWidth = 1260;
constexpr int kButtonHeight = 375;

QLabel* NewLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1StringView(name));
    return label;
}

QPushButton* NewButton(QWidget* parent, const char* name) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QLatin1StringView(name));
    return button;
}

QString VersionText(int language) {
    return AboutText::VersionPrefix.Text(language) +
           QStringLiteral("%1.%2.%3").arg(AppVersion::Major).arg(AppVersion::Minor).arg(AppVersion::Revision);
}

}  // namespace

AboutBoxBase::AboutBoxBase(int language, int widthTwips, int heightTwips, QWidget* parent)
    : QDialog(parent),
      language_(language),
      picIcon(NewLabel(this, "picIcon")),
      lblTitle(NewLabel(this, "lblTitle")),
      lblVersion(NewLabel(this, "lblVersion")),
      lblDescription(NewLabel(this, "lblDescription")),
      Label1(NewLabel(this, "Label1")),
      lblDisclaimer(NewLabel(this, "lblDisclaimer")),
      Line1{new QWidget(this), new QWidget(this)},
      cmdOK(NewButton(this, "cmdOK")) {
    const int W = widthTwips;
    const int H = heightTwips;
    const int textWidth = W - kTextLeft - kMargin;
    setFixedSize(DesignLayout::Px(W), DesignLayout::Px(H));

    picIcon->setGeometry(DesignLayout::TwRect(kMargin, kMargin, 720, 720));
    picIcon->setPixmap(QPixmap(QStringLiteral(":/dialogs/AppIcon.png")));
    picIcon->setAlignment(Qt::AlignCenter);

    QFont titleFont = lblTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    lblTitle->setFont(titleFont);
    lblTitle->setGeometry(DesignLayout::TwRect(kTextLeft, kMargin, textWidth, 450));
    lblVersion->setGeometry(DesignLayout::TwRect(kTextLeft, 720, textWidth, 300));
    lblDescription->setGeometry(DesignLayout::TwRect(kTextLeft, 1080, textWidth, 300));
    Label1->setGeometry(DesignLayout::TwRect(kTextLeft, 1380, textWidth, 300));

    // Two lines, dark over light, make an etched separator.
    Line1[0]->setObjectName(QStringLiteral("Line1_0"));
    Line1[1]->setObjectName(QStringLiteral("Line1_1"));
    Line1[0]->setGeometry(DesignLayout::Px(kMargin), DesignLayout::Px(kLineTop), DesignLayout::Px(W - 2 * kMargin), 1);
    Line1[1]->setGeometry(DesignLayout::Px(kMargin), DesignLayout::Px(kLineTop) + 1, DesignLayout::Px(W - 2 * kMargin), 1);
    Line1[0]->setStyleSheet(QStringLiteral("background-color: #808080;"));
    Line1[1]->setStyleSheet(QStringLiteral("background-color: #ffffff;"));

    const int buttonLeft = W - kMargin - kButtonWidth;
    lblDisclaimer->setGeometry(
        DesignLayout::TwRect(kMargin, kLowerTop, buttonLeft - 2 * kMargin, H - kLowerTop - kMargin));
    lblDisclaimer->setWordWrap(true);
    lblDisclaimer->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    cmdOK->setGeometry(DesignLayout::TwRect(buttonLeft, kLowerTop, kButtonWidth, kButtonHeight));

    connect(cmdOK, &QPushButton::clicked, this, &AboutBoxBase::cmdOK_Click);
}

void AboutBoxBase::Form_Load() {
    setWindowTitle(AboutText::Caption.Text(language_));
    lblDescription->setText(AboutText::Description.Text(language_));
    Label1->setText(AboutText::ForRadio.Text(language_));
    lblDisclaimer->setText(AboutText::Disclaimer.Text(language_));
    cmdOK->setText(AboutText::OkButton.Text(language_));
    lblVersion->setText(VersionText(language_));
    lblTitle->setText(MsgBox::ApplicationTitle());
}

void AboutBoxBase::cmdOK_Click() { accept(); }

FrmAbout2::FrmAbout2(QWidget* parent) : AboutBoxBase(Lang::kEnglish, 6030, 3735, parent) {
    setObjectName(QStringLiteral("FrmAbout2"));
    Form_Load();
}

void FrmAbout2::ShowModal(QWidget* parent) {
    FrmAbout2 box(parent);
    box.exec();
}

frmAbout::frmAbout(QWidget* parent)
    : AboutBoxBase(Lang::kChinese, 5865, 3630, parent), cmdSysInfo(NewButton(this, "cmdSysInfo")) {
    setObjectName(QStringLiteral("frmAbout"));
    cmdSysInfo->setGeometry(
        DesignLayout::TwRect(5865 - kMargin - kButtonWidth, kLowerTop + kButtonHeight + 120, kButtonWidth, kButtonHeight));
    cmdSysInfo->setText(AboutText::SysInfoButton);
    cmdSysInfo->setVisible(false);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    Form_Load();
}

void frmAbout::ShowModal(QWidget* parent) {
    frmAbout box(parent);
    box.exec();
}

void frmAbout::cmdSysInfo_Click() { StartSysInfo(); }

// The system-information tool is the first of the usual desktop tools found on the PATH.
void frmAbout::StartSysInfo() {
    static const char* const kTools[] = {"hardinfo2", "hardinfo", "kinfocenter"};
    for (const char* tool : kTools) {
        const QString path = QStandardPaths::findExecutable(QLatin1StringView(tool));
        if (path.isEmpty()) continue;
        if (Process::StartDetached(path)) return;
        break;
    }
    MsgBox::Show(AboutText::SysInfoUnavailable, MsgBox::OKOnly);
}
