#pragma once
// Child windows by name. Each editor registers a factory at program start (shell/main.cpp);
// the main window creates, finds and closes its children through their names.
#include <QString>

#include <functional>

class ChildForm;

namespace FormRegistry {

using Factory = std::function<ChildForm*()>;

void Register(const QString& formName, Factory factory);
bool IsRegistered(const QString& formName);
// A new window of that name, or nullptr when none is registered.
ChildForm* Create(const QString& formName);

}  // namespace FormRegistry
