#pragma once
// A child window of the main window (an editor). Windows of the layers above the shell
// derive from it; the main window reaches their public operations through these virtuals,
// by form name, without knowing their classes.
#include <QMdiSubWindow>
#include <QString>
#include <QWidget>

class ChildForm : public QWidget {
    Q_OBJECT
public:
    explicit ChildForm(const QString& formName, QWidget* parent = nullptr) : QWidget(parent) {
        setObjectName(formName);
    }
    QString FormName() const { return objectName(); }

    // Closes the frame that holds the window in the main window (the window with it), or the
    // window itself when it has no frame.
    void CloseFrame() {
        if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) frame->close();
        else close();
    }

    virtual void Change_Language() {}
    // Channel editor operations
    virtual void reShowGrid(int row) {}
    virtual void InitValidComboList() {}
    virtual void ShowValidComboText() {}
    // Editors that show roger-beep sets
    virtual bool HasShowRB() const { return false; }
    virtual void ShowRB() {}
    // Commits a pending edit (an open cell or text box) before the data is used elsewhere.
    virtual void ValidateControls() {}
};
