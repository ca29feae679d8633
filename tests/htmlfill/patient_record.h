// The record the HTML filler tests fill templates from, and its fields.
#pragma once

#include <cstddef>
#include <cwchar>

#include "qvctrl.h"

struct PatientRecord
{
    wchar_t szCode[8];     // bytes 0-15
    __time64_t tVisit;     // bytes 16-23: the year of FIELD_TEXT_YEAR values
    wchar_t szName[20];
    double dFee;
    int nAge;
    wchar_t szChart[12];
    wchar_t szNote[300];
};

inline PatientRecord MakePatient()
{
    PatientRecord record = {};
    wcscpy(record.szCode, L"abc");
    record.tVisit = CTime(2026, 3, 5, 9, 30, 0).GetTime();
    wcscpy(record.szName, L"陳大文");
    record.dFee = 1250.5;
    record.nAge = 42;
    wcscpy(record.szChart, L"A-0017");
    wcscpy(record.szNote, L"A&B <ok>");
    return record;
}

// Captions in English and Chinese; "名" (U+540D) has a low byte below a space.
inline CfField* PatientFields(int& nCount)
{
    static CfField fields[] = {
        {8, L"Code", offsetof(PatientRecord, szCode), FIELD_TEXT, 0, 0, 0},
        {10, L"姓名", offsetof(PatientRecord, szName), FIELD_TEXT, 0, 0, 0},
        {10, L"Visit", offsetof(PatientRecord, tVisit), FIELD_DATE_SLASH, 0, 0, 0},
        {8, L"Fee", offsetof(PatientRecord, dFee), FIELD_DOUBLE, 1, 0, 0},
        {4, L"年齡", offsetof(PatientRecord, nAge), FIELD_INT, 0, 0, 0},
        {10, L"病歷號", offsetof(PatientRecord, szChart), FIELD_TEXT_YEAR, 0, 0, 0},
        {30, L"Note", offsetof(PatientRecord, szNote), FIELD_TEXT, 0, 0, 0},
        {6, L"Unstored", -1, FIELD_TEXT, 0, 0, 0},
        {8, L"code", offsetof(PatientRecord, szChart), FIELD_TEXT, 0, 0, 0},
    };
    nCount = int(sizeof fields / sizeof fields[0]);
    return fields;
}
