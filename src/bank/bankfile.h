#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// One question as a teacher writes it in bank.json.
struct BankQuestion
{
    QString text;
    QStringList answers;
    std::optional<QString> key;
    QString figureFile;
    QImage figure;
    QStringList explanation;
};

// The content of a bank folder, read but not yet checked against the limits
// of a run (see checkBank).
struct BankFile
{
    QStringList settings;
    QStringList note;
    std::vector<BankQuestion> questions;
};

struct BankFileRead
{
    BankFile file;
    // Faults of form: unreadable JSON, wrong types, figures that cannot be
    // decoded. Empty when the folder was read cleanly.
    QStringList faults;
    // False when bank.json itself could not be read as a bank: the limits
    // are then not worth checking.
    bool parsed = false;
};

// Reads bank.json and the figures it names from a folder, which may be a
// resource path such as ":/bank".
BankFileRead readBankFolder(const QString &folder);

// The number by which a teacher finds question q in bank.json (the first is 1).
QString questionLabel(int q);
