#include "shell/dialogs/FrmSetLanguage.h"

#include "core/ProgramData.h"
#include "core/lang/ModEnglish.h"
#include "core/ModVersion.h"
#include "core/widgets/CaptionSetters.h"
#include "core/widgets/ComboHelpers.h"
#include "platform/ProfileIni.h"
#include "core/widgets/DesignLayout.h"
#include "core/widgets/DropList.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

// Element of the language names where the names written in the current language begin.
int NameBase() { return (Lang::Current() - 1) * 2; }

}  // namespace

FrmSetLanguage::FrmSetLanguage(QWidget* parent)
    : QDialog(parent),
      Label1(new QLabel(this)),
      Combo1(new DropList(this)),
      Command1(new QPushButton(this)),
      Command2(new QPushButton(this)) {
    setObjectName(QStringLiteral("FrmSetLanguage"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2->setObjectName(QStringLiteral("Command2"));

    setFixedSize(DesignLayout::Px(3975), DesignLayout::Px(1515));
    Combo1->setGeometry(DesignLayout::TwRect(1800, 240, 1695, 345));
    Command1->setGeometry(DesignLayout::TwRect(1200, 960, 1095, 375));
    Command2->setGeometry(DesignLayout::TwRect(2520, 960, 975, 375));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setTabOrder(Combo1, Command1);
    setTabOrder(Command1, Command2);
    Combo1->setFocus();
    Combo1->installEventFilter(this);

    connect(Command1, &QPushButton::clicked, this, &FrmSetLanguage::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &FrmSetLanguage::Command2_Click);

    Form_Load();
}

FrmSetLanguage::~FrmSetLanguage() = default;

void FrmSetLanguage::ShowModal(QWidget* parent) {
    FrmSetLanguage dialog(parent);
    dialog.exec();
}

void FrmSetLanguage::Form_Load() {
    ChangShowByLanguage();
    ShowCurrentLanguage();
}

void FrmSetLanguage::ChangShowByLanguage() {
    Combo1->clear();
    setWindowTitle(ModEnglish::LanguageSetup.Text());
    Label1->setText(ModEnglish::LanguageMode.Text());
    // The label must not run into the list beside it.
    DesignLayout::GrowLabel(Label1, DesignLayout::TwRect(360, 240, 720, 225), Combo1->x() - 6);
    const int b = NameBase();
    Combo1->addItem(ModEnglish::LanguageNameAt(b + 1));
    if (Prog::EnglishOnly != 1) Combo1->addItem(ModEnglish::LanguageNameAt(b + 2));
    ModMsg::SetCommand12Captions(this);
}

// The name of the current language written in that language ("English" or "中文"); a list
// without it shows its first item.
void FrmSetLanguage::ShowCurrentLanguage() {
    const int current = Lang::Current();
    ModPubFun::SetComboText(Combo1, ModEnglish::LanguageNameAt((current - 1) * 2 + current));
}

void FrmSetLanguage::ApplySelectedLanguage() {
    const int b = NameBase();
    const QString text = Combo1->currentIndex() < 0 ? QString() : Combo1->currentText();
    int16 chosen = 0;
    if (text == ModEnglish::LanguageNameAt(b + 1)) chosen = Lang::kEnglish;
    else if (text == ModEnglish::LanguageNameAt(b + 2)) chosen = Lang::kChinese;
    // Nothing recognisable chosen: the language stays; 0 is no language.
    if (chosen == 0 || chosen == Prog::CurLanguage) return;
    Prog::PreLanguage = Prog::CurLanguage;
    Prog::CurLanguage = chosen;
}

void FrmSetLanguage::Command1_Click() {
    ApplySelectedLanguage();
    ProfileIni::WritePrivateProfileString(QStringLiteral("language"), QStringLiteral("CurrentLanguage"),
                                          QString::number(Prog::CurLanguage), ModVersion::SetupIniPath());
    accept();
}

void FrmSetLanguage::Command2_Click() { reject(); }

bool FrmSetLanguage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Combo1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            focusNextChild();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
