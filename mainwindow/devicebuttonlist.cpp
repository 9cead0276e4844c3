// SPDX-License-Identifier: GPL-3.0-or-later
#include "devicebuttonlist.h"

#include "coder.h"
#include "controllog.h"
#include "mydevicetoolbtn.h"

#include <QVBoxLayout>

DeviceButtonList::DeviceButtonList(QWidget *container, QObject *parent)
    : QObject(parent), m_container(container), m_layout(new QVBoxLayout(container))
{
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_layout->addStretch();
}

MyDeviceToolBtn *DeviceButtonList::add(const Coder &coder)
{
    const int descriptor = coder.descriptor;
    auto *button = new MyDeviceToolBtn(m_container);
    button->setMinimumSize(100, 50);
    button->setText(coder.ipText);
    button->setDescriptor(descriptor);
    button->setIpText(coder.ipText);
    button->setRemarkName(coder.remarkName);
    button->refreshText();
    // A new button joins the others' mode: exclusive unless multi-select is on.
    const QList<MyDeviceToolBtn *> others = buttons();
    if (others.size() > 1)
        button->setAutoExclusive(others.first()->autoExclusive());
    m_layout->insertWidget(0, button);
    m_byDescriptor.insert(descriptor, button);
    connect(button, &QAbstractButton::toggled, this, [this, button](bool checked) {
        if (checked)
            emit buttonChecked(button);
    });
    connect(button, &MyDeviceToolBtn::remarkNameEdited, this,
            [this, descriptor](const QString &name) { emit remarkNameEdited(descriptor, name); });
    qCDebug(lcControl) << "some device connect!";
    emit countChanged(count());
    return button;
}

bool DeviceButtonList::remove(int descriptor)
{
    MyDeviceToolBtn *button = find(descriptor);
    if (!button)
        return false;
    qCDebug(lcControl) << "some device delete!";
    m_byDescriptor.remove(descriptor);
    button->setParent(nullptr);
    // It may be the sender of the signal being handled (a nested event loop).
    button->deleteLater();
    emit countChanged(count());
    return true;
}

MyDeviceToolBtn *DeviceButtonList::find(int descriptor) const
{
    // Every status report looks its button up: a hash, not a walk of 200 children.
    return m_byDescriptor.value(descriptor);
}

QList<MyDeviceToolBtn *> DeviceButtonList::buttons() const
{
    return m_container->findChildren<MyDeviceToolBtn *>(QString(), Qt::FindDirectChildrenOnly);
}

QList<MyDeviceToolBtn *> DeviceButtonList::checkedButtons() const
{
    QList<MyDeviceToolBtn *> checked;
    for (MyDeviceToolBtn *button : buttons()) {
        if (button->isChecked())
            checked << button;
    }
    return checked;
}

QList<int> DeviceButtonList::checkedDescriptors() const
{
    QList<int> descriptors;
    for (MyDeviceToolBtn *button : checkedButtons())
        descriptors << button->descriptor();
    return descriptors;
}

void DeviceButtonList::setMultiSelect(bool on)
{
    const QList<MyDeviceToolBtn *> all = buttons();
    // The checked button of an exclusive set cannot be unchecked: lift
    // exclusivity first.
    for (MyDeviceToolBtn *button : all)
        button->setAutoExclusive(false);
    if (on)
        return;
    for (MyDeviceToolBtn *button : all)
        button->setChecked(false);
    for (MyDeviceToolBtn *button : all)
        button->setAutoExclusive(true);
}
