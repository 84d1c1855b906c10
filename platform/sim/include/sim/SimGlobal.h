#pragma once

#include <QtGlobal>

#if defined(SIM_LIBRARY)
#define SIM_EXPORT Q_DECL_EXPORT
#else
#define SIM_EXPORT Q_DECL_IMPORT
#endif
