#pragma once

#include "core/licence_classes.h"

#include <QString>
#include <QStringList>

class TRecordTable;

// The fields of the program's tables, in field order. Each function gives a closed table exactly
// these fields (replacing any it had); the generators of the shipped data use them too.
void DefineFragenTable(TRecordTable &table);       // question catalogue, with its unique "ID" index
void DefineFrageboegenTable(TRecordTable &table);  // questionnaires
void DefineTestTable(TRecordTable &table);         // the running test
void DefineSortTable(TRecordTable &table);         // scratch table of the weighted draws
void DefineSetsTable(TRecordTable &table);         // picture sets
void DefineBilderTable(TRecordTable &table);       // pictures of the sets
void DefineTexteTable(TRecordTable &table);        // teaser texts
void DefineTextGruppenTable(TRecordTable &table);  // text groups
