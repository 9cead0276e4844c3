// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>
class T : public QObject { Q_OBJECT };
QTEST_MAIN(T)
#include "tst_diagramscene.moc"
