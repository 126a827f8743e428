// Named numbers of the reminders and of the notice, warning-time and remark dialogs: dialog
// templates, control ids and strings of ORDIVO.DLL (their commands are in core/ResourceIds.h).
// Plain #defines, so that the resource scripts can include this header too.
#pragma once

// Dialog templates.
#define IDD_VORWARNZEIT 2273
#define IDD_ANMERKUNG 3624
#define IDD_VORWARNUNG 3645
#define IDD_ALARMTOENE 5328

// Warning notice (IDD_VORWARNUNG).
#define IDC_HW_DATUM 101
#define IDC_HW_ZEIT 102
#define IDC_HW_KURZTEXT 103
#define IDC_HW_BESCHR 105
#define IDC_HW_TAGE 114
#define IDC_HW_STUNDEN 115
#define IDC_HW_MINUTEN 116
#define IDC_HW_WIEDER 129
#define IDC_HW_PRIORITAET 144
#define IDC_HW_ERLEDIGT 155
#define IDC_HW_ADRESSE 184

// Warning time (IDD_VORWARNZEIT): the lead time now, and the new one.
#define IDC_VZ_TAGE 114
#define IDC_VZ_STUNDEN 115
#define IDC_VZ_MINUTEN 116
#define IDC_VZ_BISHER_TAGE 150
#define IDC_VZ_BISHER_STUNDEN 151
#define IDC_VZ_BISHER_MINUTEN 152

// Remark (IDD_ANMERKUNG).
#define IDC_AM_TEXT 105

// Alarm sounds (IDD_ALARMTOENE): four of each, by priority 0-3.
#define IDC_AT_DATEI 101
#define IDC_AT_WAEHLEN 105
#define IDC_AT_AN 120

// Strings.
#define IDS_NAECHSTE_VORWARNUNG 1114
#define IDS_KEINE_VORWARNUNG 1115
#define IDS_PROG_KEIN_SPEICHER 1138
#define IDS_PROG_PFAD_FEHLT 1140
#define IDS_PROG_FEHLER 1141
#define IDS_PROG_TITEL 1142
#define IDS_HW_WIEDER_UND_ERLEDIGT 1144
#define IDS_WAV_FILTER 1230
#define IDS_PRIO_WENIGER_WICHTIG 1231
#define IDS_PRIO_NORMAL 1232
#define IDS_PRIO_WICHTIG 1233
#define IDS_PRIO_SEHR_WICHTIG 1234
#define IDS_VZ_TAGE 1236
#define IDS_VZ_STUNDEN 1237
#define IDS_VZ_MINUTEN 1238
