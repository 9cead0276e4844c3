// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QList>
#include <QObject>

class MyDeviceToolBtn;
struct Coder;
class QVBoxLayout;
class QWidget;

// The device buttons of the main window, children of one container widget,
// newest on top. A coder is addressed by its connection descriptor: two
// coders behind one address have their own buttons.
class DeviceButtonList : public QObject
{
    Q_OBJECT
public:
    explicit DeviceButtonList(QWidget *container, QObject *parent = nullptr);

    // Adds the button of a coder that connected.
    MyDeviceToolBtn *add(const Coder &coder);
    // Deletes the button of the connection that closed; false when none has it.
    bool remove(int descriptor);

    MyDeviceToolBtn *find(int descriptor) const;
    // In child order, that is the order of arrival.
    QList<MyDeviceToolBtn *> buttons() const;
    QList<MyDeviceToolBtn *> checkedButtons() const;
    QList<int> checkedDescriptors() const;
    int count() const { return buttons().size(); }

    // On: several buttons may be checked. Off: every button is unchecked and
    // the buttons are mutually exclusive again.
    void setMultiSelect(bool on);

signals:
    void buttonChecked(MyDeviceToolBtn *button);
    void countChanged(int count);
    void remarkNameEdited(int descriptor, const QString &name);

private:
    QWidget *m_container;
    QVBoxLayout *m_layout;
    QHash<int, MyDeviceToolBtn *> m_byDescriptor;
};
