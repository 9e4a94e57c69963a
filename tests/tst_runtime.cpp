#include "tests/testsupport.h"
#include <QTest>
class TestRuntime : public QObject { Q_OBJECT
private slots:
    void initTestCase() { testing::setUpProgram(); }
    void placeholder() { QVERIFY(true); }
};
QTEST_MAIN(TestRuntime)
#include "tst_runtime.moc"
