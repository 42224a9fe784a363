#include "Accelerators.h"

#include <QSet>

namespace {

// Only ASCII counts: a few other letters (the dotless i, the long s) upper-case into it.
[[nodiscard]] bool canBeAccelerator(QChar c)
{
    if (c.unicode() >= 0x80) {
        return false;
    }
    const QChar upper = c.toUpper();
    return (upper >= u'A' && upper <= u'Z') || (upper >= u'0' && upper <= u'9');
}

} // namespace

QStringList withAccelerators(const QStringList& captions)
{
    QSet<QChar> taken;
    QStringList result;
    result.reserve(captions.size());
    for (const QString& caption : captions) {
        QString marked;
        bool assigned = false;
        for (const QChar c : caption) {
            if (!assigned && canBeAccelerator(c) && !taken.contains(c.toUpper())) {
                taken.insert(c.toUpper());
                marked += u'&';
                assigned = true;
            }
            marked += c;
            if (c == u'&') {
                marked += u'&';
            }
        }
        result.append(marked);
    }
    return result;
}
