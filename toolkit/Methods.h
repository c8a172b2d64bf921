#pragma once
// The methods a class offers stored layouts as event handlers, by name. A layout names a
// handler for an event ("OnClick = btnRefreshClick"); reading it binds the event to that
// method of the component whose table has it (the form the layout belongs to).

#include <any>
#include <functional>
#include <string>
#include <string_view>
#include <typeindex>
#include <utility>
#include <vector>

class TComponent;

struct TMethodEntry {
  std::string Name;
  // The event type the method fits: std::function of the method's own parameters.
  std::type_index EventType;
  // The handler, as an event of EventType, calling the method on Self.
  std::function<std::any(TComponent& Self)> Bind;
};

class TMethodTable {
public:
  explicit TMethodTable(std::vector<TMethodEntry> Entries) : FEntries(std::move(Entries)) {}
  // By name, letter case ignored; null when there is none.
  const TMethodEntry* Find(std::string_view Name) const;

private:
  std::vector<TMethodEntry> FEntries;
};

// The entry of a method of C: it fits the events whose handlers take the same parameters.
template <class C, class... A> TMethodEntry Method(std::string Name, void (C::*Function)(A...)) {
  using TEvent = std::function<void(A...)>;
  return {std::move(Name), typeid(TEvent), [Function](TComponent& Self) -> std::any {
            C* Object = &static_cast<C&>(Self);
            return TEvent([Object, Function](A... Arguments) {
              (Object->*Function)(std::forward<A>(Arguments)...);
            });
          }};
}
