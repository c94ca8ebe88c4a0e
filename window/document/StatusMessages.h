// What the status bar says happened last, in words and with the file's path.
// The alerts still tell each outcome; the status bar keeps it in view and
// adds what an alert's fixed text cannot: the reason a save failed, and what a
// rule changed on loading.
#pragma once

#include "LoadMessages.h"
#include "SettingValues.h"

#include <QString>

// A message of the model's in the user's language (English where none).
QString shownMessage(const load_messages::Message& message);
// The alert of a refused file: what its identification says.
QString refusalAlert(int revisionNumber, int firmwareNumber);
// What a refused file is when it names no camera at all.
QString noIdentifiersFinding();

QString loadedStatus(const QString& path);
// `alert` is the refusal's alert text; `saveWrites` the file Save still
// writes, or empty.
QString refusedStatus(const QString& path, const QString& alert, const QString& saveWrites);
QString savedStatus(const QString& path);
// `error` is the system's reason (an errno value), or 0 when none is known.
QString notSavedStatus(const QString& path, int error);

// The reason a save failed, as a user sees it: "the card is full".
QString saveFailureReason(int error);

// What a load found that breaks a rule, one sentence each: a video mode's
// resolution and frame rate that do not go together (left as they are), and
// a clip length that loop recording lowered on the refresh; empty when
// nothing did.
QString loadRuleChanges(const SettingValues& read, const SettingValues& shown);

// A file that another program holds locked for longer than a save waits.
QString busyStatus(const QString& path);
// A card that did not answer a save in time.
QString notAnsweringStatus(const QString& path);
// Another camera's file is where the document's file was: Save does not write
// it. `firmware` is what that file names.
QString otherCameraStatus(const QString& path, const QString& firmware);
// The bar's line when the open file changed while the window held it; `onCard`
// when the file is on a camera's card.
QString changedElsewhereNotice(const QString& path, bool onCard);
QString deletedElsewhereNotice(const QString& path, bool onCard);
QString cardRemovedStatus(const QString& volume, const QString& path);
QString cardBackStatus(const QString& volume, const QString& path);
