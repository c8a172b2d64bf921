// The program's version, in one place: the executable's and Hook.dll's version resources,
// and the packages (scripts/package.sh reads MIREVAN_VERSION_TEXT). The About page shows it
// as "Mirevan V<major>.<minor><build, three digits>".
#pragma once

#define MIREVAN_VERSION_MAJOR 2
#define MIREVAN_VERSION_MINOR 0
#define MIREVAN_VERSION_BUILD 12
#define MIREVAN_VERSION_TEXT "2.0.12"
#define MIREVAN_COPYRIGHT "Copyright (C) 2026 the Mirevan developers"
