#pragma once

#include "common/CommonGlobal.h"
#include "kx/CLineEdit.h"

namespace Ocv {

// A line edit for names and other short texts that end up in records and logs: it never holds
// control characters (typed, pasted, dropped or set, they are dropped; so are line and paragraph
// separators and the bidirectional overrides that make text read differently than it is stored),
// and it holds at most kMaxLength characters, so a long paste is cut to fit.
class COMMON_EXPORT CSafeLineEdit : public Kx::CLineEdit
{
    Q_OBJECT
public:
    static constexpr int kMaxLength = 256;

    CSafeLineEdit(int id, QWidget* parent);
    ~CSafeLineEdit() override;

    static bool isRefused(QChar c);
};

} // namespace Ocv
