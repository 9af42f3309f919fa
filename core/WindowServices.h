#pragma once
// What the core and the radio link ask of the windows above them. The shell registers
// its implementation at start-up; until then (and in tests of the lower layers) a
// do-nothing implementation answers, or a test registers a fake.
#include <QString>

class WindowServices {
public:
    virtual ~WindowServices() = default;

    // Main window
    virtual bool IsMainWindowLoaded() const { return false; }
    virtual void SetMainCaption() {}   // caption := the main caption built from the current data
    virtual void ChangeLanguage() {}   // the main window re-captions itself (Change_Language)
    virtual void Arrange(int how) {}   // 0 cascade, 1 tile horizontally, 2 tile vertically

    // Child windows
    virtual bool IsFormLoaded(const QString& formName) const { return false; }
    virtual void UnloadChildForms() {}                    // every window but the main window
    virtual void UnloadForm(const QString& formName) {}   // every loaded window of that name
    virtual void ShowChildForm(const QString& formName) {}  // focus it, or load, show and cascade
    virtual void ShowChannelEditor() {}                   // load and show frmCommChInfo

    // Channel editor (only when it is shown)
    virtual void ReShowGrid(int row) {}
    virtual void RefreshChannelRefs() {}  // InitValidComboList and ShowValidComboText
    virtual void RefreshRBUse() {}        // ShowRB of every loaded editor that has it

    // Before this program ends to hand over to another program version: the main window's
    // exit steps (pending edits committed, the save question, the placement stored). False
    // when the user chose to keep the program running.
    virtual bool PrepareToEnd() { return true; }
    // The main window's serial port (closed before handing over to another program version)
    virtual void CloseCommPort() {}

    // Progress windows of a radio transfer: FrmProgress for a single read or write,
    // frmMProgress (groupWrite) for a group write. The transfer commands show them; the
    // radio link fills and closes them.
    // Percentage bar := percent and its label := "<percent>%" (FrmProgress only while visible).
    virtual void SetProgressValue(int percent, bool groupWrite) {}
    virtual void SetProgressRadio(int radiosDone) {}             // frmMProgress: radio bar and label
    virtual void SetProgressCaption(const QString& caption) {}   // FrmProgress's window caption
    virtual void UnloadProgressWindow(bool groupWrite) {}

    // Status bar of the main window (panel 1..3)
    virtual void SetStatusPanelText(int panel, const QString& text) {}
};

// The registered implementation (never null).
WindowServices& Windows();
// Registers services (nullptr puts the do-nothing implementation back). Caller keeps ownership.
void SetWindowServices(WindowServices* services);
