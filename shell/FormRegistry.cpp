#include "shell/FormRegistry.h"

#include "shell/ChildForm.h"

#include <QHash>

namespace FormRegistry {

namespace {
QHash<QString, Factory>& Factories() {
    static QHash<QString, Factory> factories;
    return factories;
}
}  // namespace

void Register(const QString& formName, Factory factory) { Factories().insert(formName, std::move(factory)); }

bool IsRegistered(const QString& formName) { return Factories().contains(formName); }

ChildForm* Create(const QString& formName) {
    const auto it = Factories().constFind(formName);
    return it == Factories().constEnd() ? nullptr : (*it)();
}

}  // namespace FormRegistry
