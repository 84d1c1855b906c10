#pragma once

#include <QtGlobal>

#if defined(KX_LIBRARY)
#define KX_EXPORT Q_DECL_EXPORT
#else
#define KX_EXPORT Q_DECL_IMPORT
#endif
