#pragma once
// The toolkit's plain components that stored layouts may name (TPanel, TImage, TBevel, TLabel,
// TTimer), registered by name. The skinned controls' library runs it at its start; a program
// without that library that reads such layouts runs it itself.

void RegisterToolkitClasses();
