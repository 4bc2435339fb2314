#pragma once

#include "core/calculators/PerMetre.h"

// The I-beam, channel and rail: a profile chosen from a list, a fixed weight per
// metre of steel, both directions. The material plays no part.
namespace tolvex::calc
{

const PerMetreTable& iBeamTable();   // ComboBox10, 23 positions
const PerMetreTable& channelTable(); // ComboBox17, 22 positions
const PerMetreTable& railTable();    // ComboBox16, 11 positions (Latin K and P)

// How each reports and reads its fields.
extern const PerMetreProduct IBeam;
extern const PerMetreProduct Channel;
extern const PerMetreProduct Rail; // converts field texts; no selection weighs 0 kg/m

// `position` is the list position (-1: none); `profile` is the list's text.
Outcome balka(int position, const QString& profile, const PerMetreFields& fields);
Outcome balkaLength(int position, const QString& profile, const PerMetreFields& fields);
Outcome shveler(int position, const QString& profile, const PerMetreFields& fields);
Outcome shvelerLength(int position, const QString& profile, const PerMetreFields& fields);
Outcome rels(int position, const QString& profile, const PerMetreFields& fields);
Outcome relsLength(int position, const QString& profile, const PerMetreFields& fields);

} // namespace tolvex::calc
