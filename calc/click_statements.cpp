#include "calc/click_statements.h"

#include "calc/input_checks.h"
#include "calc/normalization.h"
#include "calc/position_sizing.h"
#include "calc/statements.h"
#include "calc/unsound_results.h"

namespace calc {

using form::Field;

void runClickStatements(FieldTexts& fields) {
  Statements run;  // from here on every statement continues past its failure
  run(Statement::NormalizeInputs, [&] { normalizeInputs(fields); });
  run(Statement::ClearMessage, [&] { fields.setText(Field::Label1, u""); });
  showPositionSize(fields, run);
  if (!runInputChecks(fields, run)) withholdUnsoundResults(fields, run);
}

}  // namespace calc
