#include "shell/dialogs/frmSplash.h"

#include "core/ProgramData.h"
#include "core/lang/LangText.h"
#include "platform/MessageBox.h"
#include "core/widgets/DesignLayout.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QTimer>

frmSplash::frmSplash(std::function<void()> showMainWindow, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      picLogo(new QLabel(this)),
      Timer1(new QTimer(this)),
      showMainWindow_(std::move(showMainWindow)) {
    setObjectName(QStringLiteral("frmSplash"));
    picLogo->setObjectName(QStringLiteral("picLogo"));
    Timer1->setObjectName(QStringLiteral("Timer1"));
    setFixedSize(DesignLayout::Px(9525), DesignLayout::Px(6690));
    picLogo->setGeometry(rect());
    picLogo->installEventFilter(this);
    Timer1->setInterval(2000);
    Timer1->setSingleShot(false);
    connect(Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
    Form_Load();
}

frmSplash::~frmSplash() = default;

frmSplash* frmSplash::ShowSplash(std::function<void()> showMainWindow) {
    auto* splash = new frmSplash(std::move(showMainWindow));
    splash->setAttribute(Qt::WA_DeleteOnClose);
    splash->show();
    return splash;
}

QString frmSplash::PictureFile(int language) {
    if (language == Lang::kEnglish) return Prog::ProgramDir + QStringLiteral("/StartE.jpg");
    if (language == Lang::kChinese) return Prog::ProgramDir + QStringLiteral("/StartC.jpg");
    return QString();
}

void frmSplash::Form_Load() {
    const QString file = PictureFile(Prog::CurLanguage);
    const QPixmap picture = file.isEmpty() ? QPixmap() : QPixmap(file);
    if (!picture.isNull()) {
        picLogo->setPixmap(picture);
        picLogo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    } else {
        // Without its picture the splash still says what is starting.
        picLogo->setText(MsgBox::ApplicationTitle());
        picLogo->setAlignment(Qt::AlignCenter);
        QFont font = picLogo->font();
        font.setPointSizeF(font.pointSizeF() * 2.5);
        font.setBold(true);
        picLogo->setFont(font);
        picLogo->setFrameShape(QFrame::Box);
    }
    Timer1->start();
}

void frmSplash::picLogo_Click() { Finish(); }

void frmSplash::Timer1_Timer() { Finish(); }

// Ends the splash and opens the main window, once only: a click and a timer tick that
// arrive together must not open it twice.
void frmSplash::Finish() {
    if (finished_) return;
    finished_ = true;
    Timer1->stop();
    const std::function<void()> showMainWindow = showMainWindow_;
    close();
    if (showMainWindow) showMainWindow();
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event) {
    if (watched == picLogo && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
        picLogo->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
        picLogo_Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
