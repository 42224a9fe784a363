#include "FaultText.h"

QString withFullStop(const QString& message)
{
    if (!message.isEmpty() && message.back() > u'.') {
        return message + u'.';
    }
    return message;
}
