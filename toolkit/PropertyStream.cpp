#include "toolkit/PropertyStream.h"

#include <exception>
#include <memory>
#include <vector>

#include "toolkit/ClassRegistry.h"
#include "toolkit/IdentNames.h"
#include "toolkit/PropertyText.h"
#include "toolkit/PropertyValues.h"
#include "toolkit/Published.h"
#include "toolkit/ScopeGuards.h"
#include "toolkit/SysUtils.h"

namespace {

// ---------------------------------------------------------------------------------------
// Writing

void WriteOrdinalIdent(TStream& Dest, const char* Ident, int64_t Value) {
  if (Ident)
    WriteIdentValue(Dest, Ident);
  else
    WriteIntegerValue(Dest, Value);
}

void WriteProperties(TStream& Dest, const TPersistent& Object, const std::string& Prefix);

// An ordinal value of its kind's type: a boolean, an identifier of the property's names (an
// integer when it has none for the value), a set, or an integer.
void WriteOrdinal(TStream& Dest, const TPropInfo& Info, int64_t Value) {
  switch (Info.Kind) {
  case TPropKind::pkBoolean:
    WriteValueByte(Dest, Value ? vaTrue : vaFalse);
    break;
  case TPropKind::pkEnum:
    WriteOrdinalIdent(Dest,
                      Value >= 0 && Value < static_cast<int64_t>(Info.Names.size())
                          ? Info.Names[static_cast<size_t>(Value)]
                          : nullptr,
                      Value);
    break;
  case TPropKind::pkSet:
    WriteValueByte(Dest, vaSet);
    for (size_t Bit = 0; Bit < Info.Names.size(); ++Bit)
      if (Value & (int64_t{1} << Bit))
        WriteShortStr(Dest, Info.Names[Bit]);
    WriteValueByte(Dest, 0);
    break;
  case TPropKind::pkColor:
    WriteOrdinalIdent(Dest, ColorToIdent(static_cast<TColor>(Value)), Value);
    break;
  case TPropKind::pkCharset:
    WriteOrdinalIdent(Dest, CharsetToIdent(static_cast<int>(Value)), Value);
    break;
  default:
    WriteIntegerValue(Dest, Value);
  }
}

void WriteCollection(TStream& Dest, const TPersistent& Object, const TPropInfo& Info,
                     const std::string& Name) {
  WriteShortStr(Dest, Name);
  WriteValueByte(Dest, vaCollection);
  const int Count = Info.ItemCount(Object);
  for (int I = 0; I < Count; ++I) {
    WriteValueByte(Dest, vaList);
    if (const TPersistent* Item = Info.Item(Object, I))
      WriteProperties(Dest, *Item, "");
    WriteValueByte(Dest, 0);
  }
  WriteValueByte(Dest, 0);
}

void WriteBinary(TStream& Dest, const TPersistent& Object, const TPropInfo& Info,
                 const std::string& Name) {
  if (!Info.HasData(Object))
    return;
  TMemoryStream Data;
  Info.WriteData(Object, Data);
  WriteShortStr(Dest, Name);
  WriteValueByte(Dest, vaBinary);
  Dest.WriteInt32(static_cast<int32_t>(Data.Size()));
  Dest.WriteBuffer(Data.Bytes().data(), Data.Size());
}

// A text that is not written when empty: a string, or an identifier.
void WriteNonEmpty(TStream& Dest, const std::string& Name, const std::string& Value, bool Ident) {
  if (Value.empty())
    return;
  WriteShortStr(Dest, Name);
  if (Ident)
    WriteIdentValue(Dest, Value);
  else
    WriteStringValue(Dest, Value);
}

void WriteProperty(TStream& Dest, const TPersistent& Object, const TPropInfo& Info,
                   const std::string& Name) {
  switch (Info.Kind) {
  case TPropKind::pkString:
    WriteNonEmpty(Dest, Name, Info.GetString(Object), false);
    break;
  case TPropKind::pkObject:
    if (const TPersistent* Sub = Info.Object(Object))
      WriteProperties(Dest, *Sub, Name + ".");
    break;
  case TPropKind::pkReference:
  case TPropKind::pkEvent:
    WriteNonEmpty(Dest, Name, Info.GetString(Object), true);
    break;
  case TPropKind::pkCollection:
    WriteCollection(Dest, Object, Info, Name);
    break;
  case TPropKind::pkBinary:
    WriteBinary(Dest, Object, Info, Name);
    break;
  default: {
    const int64_t Value = Info.GetOrd(Object);
    if (Info.Default && *Info.Default == Value)
      break;
    WriteShortStr(Dest, Name);
    WriteOrdinal(Dest, Info, Value);
  }
  }
}

void WriteProperties(TStream& Dest, const TPersistent& Object, const std::string& Prefix) {
  const TPropTable* Table = Object.Published();
  if (!Table)
    return;
  for (const TPropInfo* Info : Table->Properties())
    if (Info->Stored && (!Info->IsStored || Info->IsStored(Object)))
      WriteProperty(Dest, Object, *Info, Prefix + Info->Name);
}

// ---------------------------------------------------------------------------------------
// Reading

[[noreturn]] void InvalidValue() { throw EReadError("Invalid property value"); }

int IdentIndex(TIdentNames Names, const std::string& Ident) {
  for (size_t I = 0; I < Names.size(); ++I)
    if (SameText(Names[I], Ident))
      return static_cast<int>(I);
  InvalidValue();
}

bool IsInteger(uint8_t Type) { return Type == vaInt8 || Type == vaInt16 || Type == vaInt32; }

// An identifier of a table, or a plain integer.
template <class Lookup> int64_t IdentOrInteger(TValueReader& In, uint8_t Type, Lookup Find) {
  if (Type == vaIdent) {
    const auto Value = Find(In.ShortString());
    if (!Value)
      InvalidValue();
    return *Value;
  }
  if (!IsInteger(Type))
    InvalidValue();
  return In.Integer(Type);
}

void ReadProperty(TValueReader& In, TPersistent& Object, std::string_view Path);

// An ordinal value of the property's kind, of value type Type.
int64_t ReadOrdinal(TValueReader& In, const TPropInfo& Info, uint8_t Type) {
  switch (Info.Kind) {
  case TPropKind::pkBoolean:
    if (Type != vaTrue && Type != vaFalse)
      InvalidValue();
    return Type == vaTrue;
  case TPropKind::pkEnum:
    if (Type != vaIdent)
      InvalidValue();
    return IdentIndex(Info.Names, In.ShortString());
  case TPropKind::pkSet: {
    if (Type != vaSet)
      InvalidValue();
    int64_t Members = 0;
    for (std::string Member = In.ShortString(); !Member.empty(); Member = In.ShortString())
      Members |= int64_t{1} << IdentIndex(Info.Names, Member);
    return Members;
  }
  case TPropKind::pkColor:
    return IdentOrInteger(In, Type, IdentToColor);
  case TPropKind::pkCharset: {
    const int64_t Charset = IdentOrInteger(In, Type, IdentToCharset);
    if (Charset < 0 || Charset > 255)
      InvalidValue();
    return Charset;
  }
  default: // pkInteger
    if (!IsInteger(Type))
      InvalidValue();
    return In.Integer(Type);
  }
}

void ReadBinary(TValueReader& In, TPersistent& Object, const TPropInfo& Info, uint8_t Type) {
  if (Type != vaBinary)
    InvalidValue();
  const int32_t Length = In.Int32();
  if (Length < 0 || Length > In.Stream().Remaining())
    throw EReadError();
  TStreamWindow Data(In.Stream(), Length);
  Info.ReadData(Object, Data);
  Data.SkipToEnd();
}

void ReadCollection(TValueReader& In, TPersistent& Object, const TPropInfo& Info, uint8_t Type) {
  if (Type != vaCollection)
    InvalidValue();
  Info.ClearItems(Object);
  for (uint8_t Item = In.Byte(); Item != 0; Item = In.Byte()) {
    if (Item != vaList) { // an order value, which the items' order makes needless
      In.Integer(Item);
      if (In.Byte() != vaList)
        InvalidValue();
    }
    TPersistent* Added = Info.AddItem(Object);
    for (std::string Property = In.Name(true); !Property.empty(); Property = In.Name(true))
      ReadProperty(In, *Added, Property);
  }
}

void ReadValueInto(TValueReader& In, TPersistent& Object, const TPropInfo& Info) {
  const uint8_t Type = In.Byte();
  switch (Info.Kind) {
  case TPropKind::pkString:
    if (Type == vaString)
      Info.SetString(Object, In.ShortString());
    else if (Type == vaLString)
      Info.SetString(Object, In.Bytes(In.Int32()));
    else
      InvalidValue();
    break;
  case TPropKind::pkBinary:
    ReadBinary(In, Object, Info, Type);
    break;
  case TPropKind::pkReference:
  case TPropKind::pkEvent:
    if (Type != vaIdent)
      InvalidValue();
    Info.SetString(Object, In.ShortString());
    break;
  case TPropKind::pkCollection:
    ReadCollection(In, Object, Info, Type);
    break;
  case TPropKind::pkObject:
    InvalidValue(); // a sub-object is set through its own properties
  default:
    Info.SetOrd(Object, ReadOrdinal(In, Info, Type));
  }
}

// Path is the property's name, dotted for properties of sub-objects.
void ReadProperty(TValueReader& In, TPersistent& Object, std::string_view Path) {
  const size_t Dot = Path.find('.');
  const TPropTable* Table = Object.Published();
  const TPropInfo* Info = Table ? Table->Find(Path.substr(0, Dot)) : nullptr;
  TPersistent* Sub = Info && Info->Kind == TPropKind::pkObject ? Info->Object(Object) : nullptr;
  if (Info && Dot == std::string_view::npos)
    ReadValueInto(In, Object, *Info);
  else if (Sub && Dot != std::string_view::npos)
    ReadProperty(In, *Sub, Path.substr(Dot + 1));
  else
    In.SkipValue(In.Byte()); // not a property of this class: passed over
}

// A record: class name, name, properties, then the records of its children, each list ended
// by a zero byte.
void WriteRecord(TStream& Dest, const TComponent& Component, const TComponent& Root) {
  WriteShortStr(Dest, Component.ClassName());
  WriteShortStr(Dest, Component.Name());
  WriteProperties(Dest, Component, "");
  WriteValueByte(Dest, 0);
  Component.GetChildren([&](TComponent& Child) { WriteRecord(Dest, Child, Root); }, Root);
  WriteValueByte(Dest, 0);
}

// Deeper than any layout goes; hostile bytes do not reach the stack's end.
constexpr int MaxNesting = 64;

struct TTreeReader {
  TValueReader& In;
  TComponent& Root;
  std::vector<TComponent*> Read; // the children, in the order they were made

  void Properties(TComponent& Component) {
    for (std::string Property = In.Name(true); !Property.empty(); Property = In.Name(true))
      ReadProperty(In, Component, Property);
  }
  void Children(TComponent& Parent, int Depth) {
    for (std::string ClassName = In.Name(true); !ClassName.empty(); ClassName = In.Name(true)) {
      if (Depth >= MaxNesting)
        throw EReadError("Components are nested too deeply");
      const TPersistentFactory* Factory = FindPersistentClass(ClassName);
      if (!Factory)
        throw EReadError("Class " + ClassName + " not found");
      std::unique_ptr<TPersistent> Made = (*Factory)(&Root);
      auto* Child = dynamic_cast<TComponent*>(Made.get());
      if (!Child)
        throw EReadError("Class " + ClassName + " is not a component");
      Made.release();
      Root.InsertComponent(std::unique_ptr<TComponent>(Child));
      Read.push_back(Child);
      Child->SetLoading(true);
      Child->SetName(In.Name(true));
      Root.BindField(*Child);
      Properties(*Child);
      Child->SetParentComponent(&Parent);
      Children(*Child, Depth + 1);
    }
  }
};

} // namespace

void WriteComponentBinary(TStream& Dest, const TComponent& Component) {
  Dest.WriteBuffer("TPF0", 4);
  WriteRecord(Dest, Component, Component);
}

std::vector<TComponent*> ReadComponentTree(TStream& Source, TComponent& Component) {
  TValueReader In(Source);
  if (In.Bytes(4) != "TPF0")
    throw EReadError("Invalid stream format");
  In.ShortString(); // the class name: the caller made the object already
  // Setters only store while the properties arrive. The state is as it was afterwards: a
  // form that reads its whole layout keeps it until its Loaded.
  const TScopeExit Loading([&Component, Was = Component.Loading()] { Component.SetLoading(Was); });
  Component.SetLoading(true);
  Component.SetName(In.Name(true));
  TTreeReader Tree{In, Component, {}};
  Tree.Properties(Component);
  {
    // A tree that is not whole is not loaded; what was made ends its loading state.
    const TFailureScope Unload([&Tree] {
      for (TComponent* Child : Tree.Read)
        Child->SetLoading(false);
    });
    Tree.Children(Component, 0);
  }
  return Tree.Read;
}

void LoadComponents(const std::vector<TComponent*>& Components) {
  // One that fails leaves the rest loaded all the same.
  std::exception_ptr Failure;
  for (TComponent* Child : Components) {
    try {
      Child->Loaded();
    } catch (...) {
      Child->SetLoading(false);
      if (!Failure)
        Failure = std::current_exception();
    }
  }
  if (Failure)
    std::rethrow_exception(Failure);
}

void ReadComponentBinary(TStream& Source, TComponent& Component) {
  // The children end their loading once the whole tree is in place, so that references reach
  // components stored after them.
  LoadComponents(ReadComponentTree(Source, Component));
}

std::string ComponentToText(const TComponent& Component) {
  TMemoryStream Binary;
  WriteComponentBinary(Binary, Component);
  Binary.SetPosition(0);
  return ObjectBinaryToText(Binary);
}

void ComponentFromText(const std::string& Text, TComponent& Component) {
  TMemoryStream Binary;
  ObjectTextToBinary(Text, Binary);
  Binary.SetPosition(0);
  ReadComponentBinary(Binary, Component);
}
