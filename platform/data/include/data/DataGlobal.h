#pragma once

#include <QtGlobal>

#if defined(DATA_LIBRARY)
#define DATA_EXPORT Q_DECL_EXPORT
#else
#define DATA_EXPORT Q_DECL_IMPORT
#endif
