#pragma once
// The navigator pane at the main window's left edge (Picture1): a frame with the pane's
// title, its close button (Toolbar1) and the tree of editors (TreeView1), and at its right
// edge the button that drags the pane wider or narrower (CommandMove).
#include <QPushButton>
#include <QWidget>

class QFrame;
class QLabel;
class QToolBar;
class QTreeWidget;
class NavigatorPane;

// The splitter: a narrow button that hands its mouse events to the pane.
class SplitterButton final : public QPushButton {
    Q_OBJECT
public:
    explicit SplitterButton(NavigatorPane* pane, QWidget* parent);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    NavigatorPane* pane_;
};

class NavigatorPane final : public QWidget {
    Q_OBJECT
public:
    explicit NavigatorPane(QWidget* parent);

    QFrame* Frame1 = nullptr;
    QToolBar* Toolbar1 = nullptr;
    QTreeWidget* TreeView1 = nullptr;
    QLabel* Label1 = nullptr;
    SplitterButton* CommandMove = nullptr;

    // True (-1) while the splitter is held down.
    short SplitterDragging = 0;

    // Frame, tree and splitter follow an inner window height (pixels) above 1000 twips;
    // at or below it they keep their size.
    void FitHeight(int scaleHeight);

    void CommandMove_MouseDown();
    void CommandMove_MouseUp();
    // x: the mouse position in pixels relative to the splitter.
    void CommandMove_MouseMove(int x);

signals:
    // The pane's close button was clicked; key is the button's key.
    void toolbarButtonClicked(const QString& key);

private:
    // The inner width of the window that holds the pane.
    int ScaleWidth() const;
};
