#include "ScreenReader.h"

#include <QCoreApplication>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

void pretendAScreenReaderListens()
{
    // Windows tells the program of a reader by the reader's first question for its objects,
    // which turns Qt's accessibility on; the test turns it on as that question would.
    qAddPreRoutine(
        [] { QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true); });
}
