#pragma once

#include <QtGlobal>

#if defined(SIBLINGS_LIBRARY)
#define SIBLINGS_EXPORT Q_DECL_EXPORT
#else
#define SIBLINGS_EXPORT Q_DECL_IMPORT
#endif
