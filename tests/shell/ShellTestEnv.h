#pragma once
// A fresh installation tree (program folder with the start-up template and, unless asked
// otherwise, the background pictures; Version.ini and language/mysetup.ini in the root),
// the real start-up, and the real main window shown offscreen. A small stand-in editor
// records what the main window does with its children.
#include "core/ProgramData.h"
#include "core/startup/ModMain.h"
#include "shell/ChildForm.h"
#include "shell/FormRegistry.h"
#include "shell/frmMain.h"

#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <utility>

class FakeEditor final : public ChildForm {
    Q_OBJECT
public:
    explicit FakeEditor(const QString& name) : ChildForm(name) {
        setWindowTitle(name);
        resize(320, 200);
        ++created[name];
    }
    void reShowGrid(int row) override { calls << QStringLiteral("reShowGrid %1").arg(row); }
    bool HasShowRB() const override { return objectName() != QLatin1String("FrmTVCH"); }
    void ShowRB() override { calls << QStringLiteral("ShowRB"); }
    // An edit the user has typed but not yet committed; committing applies it once.
    void ValidateControls() override {
        if (pendingEdit) std::exchange(pendingEdit, nullptr)();
    }

    QStringList calls;
    std::function<void()> pendingEdit;
    static inline QHash<QString, int> created;
};

inline void RegisterFakeEditors(const QStringList& names) {
    for (const QString& name : names) FormRegistry::Register(name, [name] { return new FakeEditor(name); });
}

class ShellTestEnv {
public:
    enum class Pictures { Shipped, None };

    explicit ShellTestEnv(Pictures pictures = Pictures::Shipped) {
        Prog::Reset();
        FakeEditor::created.clear();
        const QDir root(dir_.filePath(QStringLiteral("root")));
        root.mkpath(QStringLiteral("V200/Init"));
        root.mkpath(QStringLiteral("V200/PIC"));
        root.mkpath(QStringLiteral("language"));
        const QString resources = qEnvironmentVariable("ZR_RESOURCES_DIR");
        for (const char* f : {"Init/ZR7310N_New.dat", "Init/ZR7310N_New.fre"})
            if (!QFile::copy(resources + u'/' + QLatin1String(f), root.filePath(QStringLiteral("V200/") + QLatin1String(f))))
                qFatal("start-up template %s not found under ZR_RESOURCES_DIR", f);
        if (pictures == Pictures::Shipped)
            for (const char* f : {"PIC/BK_1.jpg", "PIC/BK_2.jpg"})
                QFile::copy(resources + u'/' + QLatin1String(f), root.filePath(QStringLiteral("V200/") + QLatin1String(f)));
        Write(root.filePath(QStringLiteral("Version.ini")), "[Version]\r\nFirmVersionCount=1\r\n[Firm]\r\nFirm0=V200V200\r\n");
        Write(root.filePath(QStringLiteral("language/mysetup.ini")), "[language]\r\nIsFirstRun=0\r\ncomPort=3\r\n");
        Prog::ProgramDir = root.filePath(QStringLiteral("V200"));
    }
    ~ShellTestEnv() {
        delete window;
        Prog::Reset();
    }
    ShellTestEnv(const ShellTestEnv&) = delete;
    ShellTestEnv& operator=(const ShellTestEnv&) = delete;

    // Start-up as the program runs it, ending with the main window shown.
    frmMain* Start() {
        ModMain::Main([this] {
            window = new frmMain;
            window->show();
        });
        if (window && !QTest::qWaitForWindowExposed(window)) qWarning("main window not exposed");
        return window;
    }

    QString ProgramDir() const { return Prog::ProgramDir; }
    QString Path(const QString& relative) const { return dir_.filePath(relative); }
    static void Write(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        if (f.open(QIODevice::WriteOnly)) f.write(bytes);
    }

    QPointer<frmMain> window;

private:
    QTemporaryDir dir_;
};

// The form names of the open child windows, in the MDI area's order.
inline QStringList OpenForms(const frmMain* w) {
    QStringList names;
    for (QMdiSubWindow* sw : w->MdiArea()->subWindowList())
        if (sw->widget() && !sw->isHidden()) names << sw->widget()->objectName();
    return names;
}
