#include "analysis/concrete/concrete_record.h"

#include <QHash>

#include "platform/database.h"

namespace orv {
namespace {

// Every concrete-only field and what it reads as when the record lacks it.
const QHash<QString, QVariant>& Fallbacks() {
    static const QHash<QString, QVariant> fallbacks = [] {
        QHash<QString, QVariant> f;
        for (const char* name :
             {"PortlandCementCost", "ConstructionOptionOne", "ConstructionOptionTwo",
              "ConstructionOptionCost", "JointCrackSealCost", "GrindingCost",
              "AsphaltCrackSealCost", "SlabReplacementCost", "RubblizingCost", "CrackSeatCost",
              "OptionOneCost", "OptionTwoCost", "OptionThreeCost"}) {
            f.insert(QString::fromLatin1(name), QVariant(0.0));
        }
        f.insert(QStringLiteral("OptionOneLabel"), QStringLiteral("Option One"));
        f.insert(QStringLiteral("OptionTwoLabel"), QStringLiteral("Option Two"));
        f.insert(QStringLiteral("OptionThreeLabel"), QStringLiteral("Option Three"));
        return f;
    }();
    return fallbacks;
}

}  // namespace

QVariant ConcreteRecordField(Recordset& record, const QString& name) {
    if (!record.HasField(name)) {
        auto it = Fallbacks().constFind(name);
        if (it != Fallbacks().constEnd()) return *it;
    }
    return record.Field(name);
}

}  // namespace orv
