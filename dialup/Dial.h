#pragma once

#include "ComponentObject.h"

#include <QString>
#include <QVariant>

#include <memory>

class PppLink;

// The dial-up class: lists the phonebook entries, dials one and hangs up, and tells the state and
// the last error. Its methods are also reached by name, with dispatch identifiers 1 to 7.
class Dial : public ComponentObject {
public:
    Dial();
    ~Dial() override;

    QString GetErrMsg();
    QVariant GetEntries(); // a list of entry names, or an empty string when they cannot be read
    int Connect(const QVariant& entryname, const QVariant& user, const QVariant& pass, const QVariant& type);
    int Disconnect();
    QString GetStatus();
    QString GetConnection();
    int GetStatusNum();

    int dispatchId(QStringView method) const override;
    QVariant invoke(int dispatchId, const QVariantList& args) override;

    // Objects of the class alive in the process.
    static int objectCount();

private:
    int pollStep();
    int hangUp();
    int waitForLink();

    std::unique_ptr<PppLink> m_link;
};
