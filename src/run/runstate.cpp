#include "run/runstate.h"

RunState::RunState()
    : List2 { TextList({ QStringLiteral("Номера на въпроси") }),
        TextList({ QStringLiteral("Отметнат отговор") }),
        TextList({ QStringLiteral("Последователност от отговори") }),
        TextList({ QStringLiteral("Weren Neweren Otgowor") }),
        TextList({ QStringLiteral("Weren Otgowor/Distraktor") }),
        TextList({ QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("5"), QStringLiteral("7"),
            QStringLiteral("11"), QStringLiteral("13"), QStringLiteral("17"), QStringLiteral("19"),
            QStringLiteral("23"), QStringLiteral("29"), QStringLiteral("31") }),
        TextList({ QStringLiteral("Pyrwi"), QStringLiteral("Posleden") }) }
{
}
