#pragma once
// Published properties: each class lists the properties it stores once, in stream order, in
// one static table. One reader and one writer (PropertyStream.h) serve every class through
// these tables: skin objects and the program's stored window layout alike.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "toolkit/Classes.h"
#include "toolkit/Methods.h"
#include "toolkit/Streams.h"

enum class TPropKind : uint8_t {
  pkInteger, // int32
  pkBoolean,
  pkEnum,       // an identifier of Names, kept as its index
  pkSet,        // identifiers of Names, bit i for Names[i]
  pkColor,      // a colour name where it has one, else an integer
  pkCharset,    // a character-set name where it has one, else an integer
  pkString,     // not written when empty
  pkObject,     // an owned sub-object, its properties written as "<Name>.<property>"
  pkBinary,     // bytes that the class reads and writes itself
  pkCollection, // owned items of one class, each written with its own properties
  pkReference,  // another component of the same owner, by its name (an identifier)
  pkEvent       // a handler, by the name of a method of the layout's form (an identifier)
};

using TIdentNames = std::span<const char* const>;

struct TPropInfo {
  std::string Name;
  TPropKind Kind = TPropKind::pkInteger;
  TIdentNames Names;
  std::function<int64_t(const TPersistent&)> GetOrd;
  std::function<void(TPersistent&, int64_t)> SetOrd;
  std::function<std::string(const TPersistent&)> GetString;
  std::function<void(TPersistent&, const std::string&)> SetString;
  // The sub-object of an owner (the writer passes owners it only reads).
  std::function<TPersistent*(const TPersistent&)> Object;
  std::function<bool(const TPersistent&)> HasData;
  std::function<void(const TPersistent&, TStream&)> WriteData;
  std::function<void(TPersistent&, TStream&)> ReadData;
  // A collection: how many items, one of them, and for reading, emptying it and adding one.
  std::function<int(const TPersistent&)> ItemCount;
  std::function<const TPersistent*(const TPersistent&, int)> Item;
  std::function<void(TPersistent&)> ClearItems;
  std::function<TPersistent*(TPersistent&)> AddItem;
  // Written after every other property, the subclasses' included.
  bool Last = false;
  // Read when present, never written (a display value such as a version).
  bool Stored = true;
  // An ordinal value equal to it is not written.
  std::optional<int64_t> Default;
  // When set, the property is written only where it says so (a font only where the control
  // does not take its parent's).
  std::function<bool(const TPersistent&)> IsStored;
};

// One class's table: its parent's properties, then its own; those marked Last at the end.
class TPropTable {
public:
  TPropTable(const TPropTable* Parent, std::vector<TPropInfo> Own);
  TPropTable(const TPropTable&) = delete;
  TPropTable& operator=(const TPropTable&) = delete;

  const std::vector<const TPropInfo*>& Properties() const { return FAll; }
  // By name, letter case ignored; null when the class has no such property.
  const TPropInfo* Find(std::string_view Name) const;
  // Info is one of this table's own or inherited entries: the class of the table is, or
  // derives from, the class that declares Info.
  bool Holds(const TPropInfo* Info) const;

private:
  std::vector<TPropInfo> FOwn;
  std::vector<const TPropInfo*> FAll;
};

inline TPropInfo NewPropInfo(std::string Name, TPropKind Kind, TIdentNames Names = {}) {
  TPropInfo Info;
  Info.Name = std::move(Name);
  Info.Kind = Kind;
  Info.Names = Names;
  return Info;
}

namespace PublishedDetail {
template <class> struct TSetterArg;
template <class C, class A> struct TSetterArg<void (C::*)(A)> {
  using Type = std::remove_cvref_t<A>;
};
} // namespace PublishedDetail

// A property kept in a field of T: int32, bool or string; enumerations, sets and colours name
// their kind (and identifiers).
template <class T, class V>
TPropInfo FieldProp(std::string Name, V T::*Field, TPropKind Kind = TPropKind::pkInteger,
                    TIdentNames Names = {}) {
  TPropInfo Info = NewPropInfo(std::move(Name), Kind, Names);
  if constexpr (std::is_same_v<V, std::string>) {
    Info.Kind = TPropKind::pkString;
    Info.GetString = [Field](const TPersistent& O) { return static_cast<const T&>(O).*Field; };
    Info.SetString = [Field](TPersistent& O, const std::string& Value) {
      static_cast<T&>(O).*Field = Value;
    };
  } else {
    if constexpr (std::is_same_v<V, bool>)
      Info.Kind = TPropKind::pkBoolean;
    Info.GetOrd = [Field](const TPersistent& O) {
      return static_cast<int64_t>(static_cast<const T&>(O).*Field);
    };
    Info.SetOrd = [Field](TPersistent& O, int64_t Value) {
      static_cast<T&>(O).*Field = static_cast<V>(Value);
    };
  }
  return Info;
}

// A property read and written through member functions of T.
template <class T, class G, class S>
TPropInfo AccessorProp(std::string Name, TPropKind Kind, G Getter, S Setter,
                       TIdentNames Names = {}) {
  using A = typename PublishedDetail::TSetterArg<S>::Type;
  TPropInfo Info = NewPropInfo(std::move(Name), Kind, Names);
  if constexpr (std::is_same_v<A, std::string>) {
    Info.Kind = TPropKind::pkString;
    Info.GetString = [Getter](const TPersistent& O) {
      return (static_cast<const T&>(O).*Getter)();
    };
    Info.SetString = [Setter](TPersistent& O, const std::string& V) {
      (static_cast<T&>(O).*Setter)(V);
    };
  } else {
    if constexpr (std::is_same_v<A, bool>)
      Info.Kind = TPropKind::pkBoolean;
    Info.GetOrd = [Getter](const TPersistent& O) {
      return static_cast<int64_t>((static_cast<const T&>(O).*Getter)());
    };
    Info.SetOrd = [Setter](TPersistent& O, int64_t V) {
      (static_cast<T&>(O).*Setter)(static_cast<A>(V));
    };
  }
  return Info;
}

// An owned sub-object kept in a field of T (a font, a bitmap link) or behind a pointer.
template <class T, class V> TPropInfo ObjectProp(std::string Name, V T::*Field) {
  TPropInfo Info = NewPropInfo(std::move(Name), TPropKind::pkObject);
  Info.Object = [Field](const TPersistent& O) -> TPersistent* {
    auto& Member = const_cast<T&>(static_cast<const T&>(O)).*Field;
    if constexpr (std::is_pointer_v<V>)
      return Member;
    else if constexpr (std::is_base_of_v<TPersistent, V>)
      return &Member;
    else
      return Member.get(); // an owning pointer
  };
  return Info;
}

// Bytes of T's own making, written when HasData says there are some.
template <class T>
TPropInfo BinaryProp(std::string Name, bool (*HasData)(const T&), void (*Write)(const T&, TStream&),
                     void (*Read)(T&, TStream&)) {
  TPropInfo Info = NewPropInfo(std::move(Name), TPropKind::pkBinary);
  Info.HasData = [HasData](const TPersistent& O) { return HasData(static_cast<const T&>(O)); };
  Info.WriteData = [Write](const TPersistent& O, TStream& S) {
    Write(static_cast<const T&>(O), S);
  };
  Info.ReadData = [Read](TPersistent& O, TStream& S) { Read(static_cast<T&>(O), S); };
  return Info;
}

// Items that T keeps: Count and At read them, Clear and Add rebuild them while reading.
template <class T, class I>
TPropInfo CollectionProp(std::string Name, int (T::*Count)() const, I* (T::*At)(int) const,
                         void (T::*Clear)(), I* (T::*Add)()) {
  TPropInfo Info = NewPropInfo(std::move(Name), TPropKind::pkCollection);
  Info.ItemCount = [Count](const TPersistent& O) { return (static_cast<const T&>(O).*Count)(); };
  Info.Item = [At](const TPersistent& O, int Index) -> const TPersistent* {
    return (static_cast<const T&>(O).*At)(Index);
  };
  Info.ClearItems = [Clear](TPersistent& O) { (static_cast<T&>(O).*Clear)(); };
  Info.AddItem = [Add](TPersistent& O) -> TPersistent* { return (static_cast<T&>(O).*Add)(); };
  return Info;
}

// A string property that names another component: written as an identifier, not when empty.
inline TPropInfo ReferenceProp(TPropInfo Info) {
  Info.Kind = TPropKind::pkReference;
  return Info;
}

// A reference that T keeps to another component of class R (Get and Set act on the pointer):
// written as that component's name; read by name, looked up among the owner's components at
// once, or at Loaded while T loads. A name of another class's component reads as none.
template <class T, class R, class Getter, class Setter>
TPropInfo ComponentProp(std::string Name, Getter Get, Setter Set) {
  TPropInfo Info = NewPropInfo(Name, TPropKind::pkReference);
  Info.GetString = [Get, Name](const TPersistent& O) {
    const T& Object = static_cast<const T&>(O);
    const R* Target = std::invoke(Get, Object);
    return Target ? Target->Name() : Object.PendingReference(Name);
  };
  Info.SetString = [Set, Name](TPersistent& O, const std::string& Value) {
    T& Object = static_cast<T&>(O);
    auto Apply = [&Object, Set](TComponent* Found) {
      std::invoke(Set, Object, dynamic_cast<R*>(Found));
    };
    if (Object.Loading())
      Object.DeferReference(Name, Value, Apply);
    else
      Apply(Object.FindReference(Value));
  };
  return Info;
}

// An event of T kept in a field: written as the name of the method it was bound to from a
// layout (not at all while unassigned or assigned in code); read by binding the method of
// that name (FindMethod) whose parameters fit. A name nothing answers to, or a method of
// other parameters, raises EReadError naming it.
template <class T, class E> TPropInfo EventProp(std::string Name, E T::*Field) {
  TPropInfo Info = NewPropInfo(Name, TPropKind::pkEvent);
  Info.GetString = [Field, Name](const TPersistent& O) {
    const T& Object = static_cast<const T&>(O);
    return Object.*Field ? Object.EventName(Name) : std::string();
  };
  Info.SetString = [Field, Name](TPersistent& O, const std::string& Value) {
    T& Object = static_cast<T&>(O);
    const std::string Where = (Object.Name().empty() ? Object.ClassName() : Object.Name()) + "." + Name;
    TComponent* Self = nullptr;
    const TMethodEntry* Entry = Object.FindMethod(Value, Self);
    if (!Entry)
      throw EReadError("Method '" + Value + "' not found for " + Where);
    if (Entry->EventType != typeid(E))
      throw EReadError("Method '" + Value + "' does not fit " + Where);
    Object.*Field = std::any_cast<E>(Entry->Bind(*Self));
    Object.SetEventName(Name, Value);
  };
  return Info;
}

// Info, read when present but never written.
inline TPropInfo NotStoredProp(TPropInfo Info) {
  Info.Stored = false;
  return Info;
}

// Info, not written while its ordinal value is Value.
inline TPropInfo DefaultProp(TPropInfo Info, int64_t Value) {
  Info.Default = Value;
  return Info;
}

// Info, written only for objects where Stored says so.
inline TPropInfo StoredWhen(TPropInfo Info, std::function<bool(const TPersistent&)> Stored) {
  Info.IsStored = std::move(Stored);
  return Info;
}

// Info, written after every other property of the class and its subclasses.
inline TPropInfo LastProp(TPropInfo Info) {
  Info.Last = true;
  return Info;
}

// Copies into Dest, in stream order, each property of Dest's table that Source's class has
// too (it is, or derives from, the class that declares it), except those that Done holds
// (a base class's, copied by its own hand): values through the accessors, owned sub-objects
// and collection items by their own Assign, bytes (where Source has some) through a stream.
// Handlers stay: they are bound to a form, not part of the object's state.
void AssignPublished(TPersistent& Dest, const TPersistent& Source,
                     const TPropTable* Done = nullptr);
