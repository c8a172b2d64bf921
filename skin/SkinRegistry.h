#pragma once
// The process-wide registries of the skin library: the skin object classes that records may
// name, and the skin filters by file extension. Both are filled at library start in a fixed
// order.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/Classes.h"

class TSeSkinObject;
class TSeSkinFilter;

struct TSkinObjectClass {
  std::string Name;
  std::function<std::unique_ptr<TSeSkinObject>(TComponent* Owner)> Create;
};

struct TSkinFilterClass {
  std::string Name;
  std::string Extension; // without the dot
  std::string Description;
  std::function<std::unique_ptr<TSeSkinFilter>()> Create;
};

const std::vector<TSkinObjectClass>& SkinObjectClasses();
// By class name, letter case ignored; null when it is not registered.
const TSkinObjectClass* FindSkinObjectClass(std::string_view Name);

const std::vector<TSkinFilterClass>& SkinFilters();
// The first filter whose extension is that of FileName, letter case ignored; null for none.
const TSkinFilterClass* FindSkinFilter(const std::string& FileName);
// The filter of every stream read or written without a file name: the compressed one.
const TSkinFilterClass& DefaultSkinFilter();
