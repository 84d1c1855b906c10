#include "common/CSafeLineEdit.h"

#include <QValidator>

namespace Ocv {

namespace {

// Cleans rather than rejects, so that a paste with a stray newline still goes in.
class SafeTextValidator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override
    {
        int removedBeforeCursor = 0;
        QString clean;
        clean.reserve(input.size());
        for (int i = 0; i < input.size(); ++i) {
            if (CSafeLineEdit::isRefused(input.at(i))) {
                if (i < pos)
                    ++removedBeforeCursor;
                continue;
            }
            clean.append(input.at(i));
        }
        if (clean.size() > CSafeLineEdit::kMaxLength) {
            // Never split a surrogate pair.
            int keep = CSafeLineEdit::kMaxLength;
            if (clean.at(keep - 1).isHighSurrogate())
                --keep;
            clean.truncate(keep);
        }
        input = clean;
        pos = std::min(pos - removedBeforeCursor, int(input.size()));
        return Acceptable;
    }
};

} // namespace

CSafeLineEdit::CSafeLineEdit(int id, QWidget* parent) : Kx::CLineEdit(id, parent)
{
    setMaxLength(kMaxLength);
    setValidator(new SafeTextValidator(this));
}

CSafeLineEdit::~CSafeLineEdit() = default;

bool CSafeLineEdit::isRefused(QChar c)
{
    switch (c.category()) {
    case QChar::Other_Control:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        break;
    }
    const ushort u = c.unicode();
    return (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069);
}

} // namespace Ocv
