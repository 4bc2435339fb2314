#include "core/calculators/Beams.h"

namespace tolvex::calc
{

const PerMetreTable& iBeamTable()
{
    static const PerMetreTable table{
        {"10", 9.46L},  {"12", 11.5L},  {"14", 13.7L},  {"16", 15.9L},  {"18", 18.4L},
        {"18а", 19.9L}, {"20", 21.0L},  {"20а", 22.7L}, {"22", 24.0L},  {"22а", 25.8L},
        {"24", 27.3L},  {"24а", 29.4L}, {"27", 31.5L},  {"27а", 33.9L}, {"30", 36.5L},
        {"30а", 39.2L}, {"33", 42.2L},  {"36", 48.6L},  {"40", 57.0L},  {"45", 66.5L},
        {"50", 78.5L},  {"55", 92.6L},  {"60", 108.0L},
    };
    return table;
}

const PerMetreTable& channelTable()
{
    static const PerMetreTable table{
        {"5", 4.84L},   {"6,5", 5.9L}, {"8", 7.05L},   {"10", 8.59L}, {"12", 10.4L},  {"14", 12.3L},
        {"14а", 13.3L}, {"16", 14.2L}, {"16а", 15.3L}, {"18", 16.3L}, {"18а", 17.4L}, {"20", 18.4L},
        {"20а", 19.8L}, {"22", 21.0L}, {"22а", 22.6L}, {"24", 24.0L}, {"24а", 25.8L}, {"27", 27.7L},
        {"30", 31.8L},  {"33", 36.5L}, {"36", 41.9L},  {"40", 48.3L},
    };
    return table;
}

const PerMetreTable& railTable()
{
    static const PerMetreTable table{
        {"KP - 50", 29.85L},  {"KP - 60", 40.03L},  {"KP - 70", 52.83L},   {"KP - 80", 63.69L},
        {"KP - 100", 88.96L}, {"KP - 120", 118.1L}, {"KP - 140", 153.49L}, {"P - 43", 44.653L},
        {"P - 50", 51.67L},   {"P - 65", 64.72L},   {"P - 75", 74.41L},
    };
    return table;
}

const PerMetreProduct IBeam{{QStringLiteral("при длине балки в {} м.,"),
                             QStringLiteral("общий вес балки составляет: {} кг."),
                             QStringLiteral("при общем весе балки {} кг.,"),
                             QStringLiteral("общая длина балки составляет: {} м.")}};

const PerMetreProduct Channel{{QStringLiteral("при длине швеллера в {} м.,"),
                               QStringLiteral("общий вес швеллера составляет: {} кг."),
                               QStringLiteral("при весе в {} кг.,"),
                               QStringLiteral("длина швеллера составляет: {} м.")}};

const PerMetreProduct Rail{{QStringLiteral("при длине рельса в {} м.,"),
                            QStringLiteral("общий вес рельса составляет: {} кг."),
                            QStringLiteral("при весе в {} кг.,"),
                            QStringLiteral("длина рельса составляет: {} м.")},
                           {Reading::Text, Reading::Text, NoMatch::ZeroWeight}};

namespace
{
QString beamName(const QString& profile)
{
    return QStringLiteral("Номер профиля балки ") + profile;
}
QString channelName(const QString& profile)
{
    return QStringLiteral("Номер профиля швеллера ") + profile;
}
QString railName(const QString& profile)
{
    return QStringLiteral("Тип рельса ") + profile;
}
} // namespace

Outcome balka(int position, const QString& profile, const PerMetreFields& fields)
{
    return perMetreWeight(IBeam, kgPerMetreAt(iBeamTable(), position), beamName(profile), fields);
}

Outcome balkaLength(int position, const QString& profile, const PerMetreFields& fields)
{
    return perMetreLength(IBeam, kgPerMetreAt(iBeamTable(), position), beamName(profile), fields);
}

Outcome shveler(int position, const QString& profile, const PerMetreFields& fields)
{
    return perMetreWeight(Channel, kgPerMetreAt(channelTable(), position), channelName(profile),
                          fields);
}

Outcome shvelerLength(int position, const QString& profile, const PerMetreFields& fields)
{
    return perMetreLength(Channel, kgPerMetreAt(channelTable(), position), channelName(profile),
                          fields);
}

Outcome rels(int position, const QString& profile, const PerMetreFields& fields)
{
    return perMetreWeight(Rail, kgPerMetreAt(railTable(), position), railName(profile), fields);
}

Outcome relsLength(int position, const QString& profile, const PerMetreFields& fields)
{
    return perMetreLength(Rail, kgPerMetreAt(railTable(), position), railName(profile), fields);
}

} // namespace tolvex::calc
