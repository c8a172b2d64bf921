#include "toolkit/ClassRegistry.h"

#include <utility>

namespace {

struct TEntry {
  std::string Name;
  TPersistentFactory Factory;
};

std::vector<TEntry>& Registry() {
  static std::vector<TEntry> Entries;
  return Entries;
}

} // namespace

void RegisterPersistentClass(const std::string& Name, TPersistentFactory Factory) {
  for (TEntry& Entry : Registry())
    if (SameText(Entry.Name, Name)) {
      Entry.Factory = std::move(Factory);
      return;
    }
  Registry().push_back({Name, std::move(Factory)});
}

const TPersistentFactory* FindPersistentClass(const std::string& Name) {
  for (const TEntry& Entry : Registry())
    if (SameText(Entry.Name, Name))
      return &Entry.Factory;
  return nullptr;
}

std::vector<std::string> RegisteredClassNames() {
  std::vector<std::string> Names;
  for (const TEntry& Entry : Registry())
    Names.push_back(Entry.Name);
  return Names;
}
