#pragma once

namespace norvane::ui {

class OperationRunner;

/// "Dump Text": the dump dialog, then dump mode started as chosen; for "Save to File", once the user is ready,
/// the printer's Dump.txt fetched (tried three times) and saved where the user says, replacing that file only
/// once the whole text is written.
void DumpText(OperationRunner& runner);

} // namespace norvane::ui
