#pragma once
// The registry of classes that can be made by name, as stored layouts and skins name them.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/Classes.h"

// Makes a new object of one class (a component gets its owner; others ignore it).
using TPersistentFactory = std::function<std::unique_ptr<TPersistent>(TComponent* Owner)>;

// Registers Factory under Name; a second registration of the same name replaces the first.
void RegisterPersistentClass(const std::string& Name, TPersistentFactory Factory);
// The factory of a class name (letter case ignored), or null.
const TPersistentFactory* FindPersistentClass(const std::string& Name);
std::vector<std::string> RegisteredClassNames();

template <class T> void RegisterPersistentClass() {
  RegisterPersistentClass(T().ClassName(), [](TComponent* Owner) -> std::unique_ptr<TPersistent> {
    if constexpr (std::is_base_of_v<TComponent, T>)
      return std::make_unique<T>(Owner);
    else
      return std::make_unique<T>();
  });
}

// Registers a component class under Name; its factory makes one for the given owner.
template <class T> void RegisterComponentClass(const std::string& Name) {
  RegisterPersistentClass(Name, [](TComponent* Owner) -> std::unique_ptr<TPersistent> {
    return std::make_unique<T>(Owner);
  });
}
