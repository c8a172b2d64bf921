#include "toolkit/LayoutClasses.h"

#include "toolkit/Bevel.h"
#include "toolkit/ClassRegistry.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/Panel.h"
#include "toolkit/Timer.h"

void RegisterToolkitClasses() {
  RegisterComponentClass<TPanel>("TPanel");
  RegisterComponentClass<TImage>("TImage");
  RegisterComponentClass<TBevel>("TBevel");
  RegisterComponentClass<TLabel>("TLabel");
  RegisterComponentClass<TTimer>("TTimer");
}
