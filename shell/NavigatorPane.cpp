#include "shell/NavigatorPane.h"

#include "core/widgets/DesignLayout.h"

#include <QAction>
#include <QFrame>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QToolBar>
#include <QTreeWidget>

#include <algorithm>

namespace {

// Design sizes, in twips.
constexpr int kPaneWidth = 2565;
constexpr int kFrameWidth = 2415;
constexpr int kSplitterLeft = 2400;
constexpr int kSplitterTop = -120;
constexpr int kSplitterWidth = 90;
constexpr int kMinPaneWidth = 300;
constexpr int kFitAbove = 1000;
constexpr int kFrameShort = 100;  // frame height = inner height less this
constexpr int kTreeShort = 700;   // tree height = inner height less this

// Where the title, the close button and the tree sit inside the frame (pixels).
constexpr int kTreeLeft = 4;
constexpr int kTreeTop = 30;
constexpr int kCloseSize = 22;

// The pane's places are rounded to the nearest pixel, as its stored width is.
using DesignLayout::FromPixels;
using DesignLayout::ToPixels;

}  // namespace

SplitterButton::SplitterButton(NavigatorPane* pane, QWidget* parent) : QPushButton(parent), pane_(pane) {
    setObjectName(QStringLiteral("CommandMove"));
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::SizeHorCursor);
}

void SplitterButton::mousePressEvent(QMouseEvent* event) {
    QPushButton::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) pane_->CommandMove_MouseDown();
}

void SplitterButton::mouseMoveEvent(QMouseEvent* event) {
    QPushButton::mouseMoveEvent(event);
    pane_->CommandMove_MouseMove(static_cast<int>(event->position().x()));
}

void SplitterButton::mouseReleaseEvent(QMouseEvent* event) {
    QPushButton::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) pane_->CommandMove_MouseUp();
}

NavigatorPane::NavigatorPane(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Picture1"));
    setFixedWidth(ToPixels(kPaneWidth));

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::StyledPanel);
    Frame1->setFrameShadow(QFrame::Sunken);
    Frame1->setGeometry(0, 0, ToPixels(kFrameWidth), 400);

    Label1 = new QLabel(QStringLiteral("ZR7310N_II"), Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Label1->setGeometry(kTreeLeft + 2, 4, ToPixels(kFrameWidth) - kCloseSize - 12, kCloseSize);

    Toolbar1 = new QToolBar(Frame1);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setIconSize(QSize(16, 16));
    Toolbar1->setMovable(false);
    Toolbar1->setStyleSheet(QStringLiteral("QToolBar { border: 0px; background: transparent; }"));
    QAction* close = Toolbar1->addAction(QIcon(QStringLiteral(":/icons/Close.png")), QString());
    close->setObjectName(QStringLiteral("删除"));
    close->setData(QStringLiteral("删除"));
    Toolbar1->setGeometry(ToPixels(kFrameWidth) - kCloseSize - 4, 4, kCloseSize, kCloseSize);
    connect(Toolbar1, &QToolBar::actionTriggered, this,
            [this](QAction* a) { emit toolbarButtonClicked(a->data().toString()); });

    TreeView1 = new QTreeWidget(Frame1);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setHeaderHidden(true);
    TreeView1->setColumnCount(1);
    TreeView1->setIndentation(14);
    // The pane keeps its designed width; an 8-point list font at most lets the editor names
    // fit in it.
    QFont listFont = TreeView1->font();
    listFont.setPointSize(std::min(listFont.pointSize(), 8));
    TreeView1->setFont(listFont);
    TreeView1->setGeometry(kTreeLeft, kTreeTop, ToPixels(kFrameWidth) - 2 * kTreeLeft, 360);

    CommandMove = new SplitterButton(this, this);
    CommandMove->setGeometry(ToPixels(kSplitterLeft), ToPixels(kSplitterTop), ToPixels(kSplitterWidth), 400);
}

void NavigatorPane::FitHeight(int scaleHeight) {
    const double height = FromPixels(scaleHeight);
    if (height <= kFitAbove) return;
    Frame1->resize(Frame1->width(), ToPixels(height - kFrameShort));
    TreeView1->resize(TreeView1->width(), ToPixels(height - kTreeShort));
    CommandMove->resize(CommandMove->width(), scaleHeight);
}

void NavigatorPane::CommandMove_MouseDown() { SplitterDragging = -1; }

void NavigatorPane::CommandMove_MouseUp() { SplitterDragging = 0; }

void NavigatorPane::CommandMove_MouseMove(int x) {
    CommandMove->setCursor(Qt::SizeHorCursor);
    if (!SplitterDragging) return;
    const int w = width() + x;
    if (FromPixels(w) < kMinPaneWidth || w > ScaleWidth()) return;
    setFixedWidth(width() + x);
    Frame1->resize(Frame1->width() + x, Frame1->height());
    Toolbar1->move(Toolbar1->x() + x, Toolbar1->y());
    TreeView1->resize(TreeView1->width() + x, TreeView1->height());
    CommandMove->move(CommandMove->x() + x, CommandMove->y());
}

int NavigatorPane::ScaleWidth() const { return parentWidget() ? parentWidget()->width() : width(); }
