#pragma once
// Helpers of the screen tests: controls found by objectName, choices made as
// the user makes them, and work done inside a modal screen while it is open.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace kelca::testing {

template <class T>
T* Find(QObject* screen, const QString& name) {
  T* found = screen->findChild<T*>(name);
  if (!found) qFatal("no control %s", qPrintable(name));
  return found;
}

// "txtWgtFtr", 3 -> the control named "txtWgtFtr_3".
template <class T>
T* FindAt(QObject* screen, const char* name, int index) {
  return Find<T>(screen, QString("%1_%2").arg(name).arg(index));
}

// Picks an entry of a combo box as a user does (which emits activated).
inline void Choose(QComboBox* box, const QString& entry) {
  const int index = box->findText(entry);
  if (index < 0) qFatal("no entry %s in %s", qPrintable(entry), qPrintable(box->objectName()));
  box->setCurrentIndex(index);
  emit box->activated(index);
}

// Replaces a box's text as typed.
inline void Type(QLineEdit* box, const QString& text) {
  box->selectAll();
  QTest::keyClicks(box, text);
  if (box->text() != text) box->setText(text);
}

inline QStringList Entries(const QComboBox* box) {
  QStringList entries;
  for (int i = 0; i < box->count(); ++i) entries << box->itemText(i);
  return entries;
}

// Runs inside the next modal screen once it is open (then the test closes it
// through inside). Gives up after a few seconds so that a test cannot hang.
inline void WhenModalOpens(std::function<void(QWidget*)> inside) {
  auto* poll = new QTimer;
  int tries = 0;
  QObject::connect(poll, &QTimer::timeout, [poll, tries, inside]() mutable {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      poll->stop();
      poll->deleteLater();
      inside(modal);
    } else if (++tries > 300) {
      poll->stop();
      poll->deleteLater();
    }
  });
  poll->start(10);
}

}  // namespace kelca::testing
