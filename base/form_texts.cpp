// The form-texts table: which control shows which text.
#include "base/form_texts.h"

namespace ordalis {

namespace {

constexpr int kTextAction = 992;

CaptionExpression text(int id) { return {id}; }
CaptionExpression withColon(int id) { return {id, 0, true}; }
CaptionExpression action(int id) { return {kTextAction, id}; }

std::vector<FormTextRow> buildTable() {
  return {
      // The main window: menus (their captions carry the mnemonic of each
      // language, an "&" before its letter), tool bar and buttons.
      {"FrmKlokken", "mmuFile", text(1160)},
      {"FrmKlokken", "mmuFileOpenNBT", text(1161)},
      {"FrmKlokken", "mmuFileNew", text(1162)},
      {"FrmKlokken", "mmuFileOpenCLK", text(1163)},
      {"FrmKlokken", "mmuFileSave", text(1164)},
      {"FrmKlokken", "mmuFileSaveAs", text(1165)},
      {"FrmKlokken", "mmuFilePrint", text(1191)},
      {"FrmKlokken", "mmuFileExport", text(1192)},
      {"FrmKlokken", "mmuClose", text(1166)},
      {"FrmKlokken", "mmuEdit", text(1167)},
      {"FrmKlokken", "mmuNieuw(0)", text(1171)},
      {"FrmKlokken", "mmuNieuw(1)", text(1172)},
      {"FrmKlokken", "mmuNieuw(2)", text(1173)},
      {"FrmKlokken", "mmuNieuw(3)", text(1174)},
      {"FrmKlokken", "mmuNieuw(4)", text(1175)},
      {"FrmKlokken", "mmuEditNew", text(1168)},
      {"FrmKlokken", "mmuEditProp", text(1169)},
      {"FrmKlokken", "mmuDelete", text(1170)},
      {"FrmKlokken", "mmuEditCheck", text(1193)},
      {"FrmKlokken", "Tlb(1)", text(32)},
      {"FrmKlokken", "Tlb(2)", text(980)},
      {"FrmKlokken", "Tlb(3)", text(616)},
      {"FrmKlokken", "Tlb(4)", text(604)},
      {"FrmKlokken", "Tlb(5)", text(605)},
      {"FrmKlokken", "Tlb(6)", text(607)},
      {"FrmKlokken", "Tlb(8)", text(983)},
      {"FrmKlokken", "Tlb(9)", text(984)},
      {"FrmKlokken", "Tlb(10)", text(985)},
      {"FrmKlokken", "Tlb(11)", text(986)},
      {"FrmKlokken", "Tlb(12)", text(987)},
      {"FrmKlokken", "CmdAdd", action(35)},
      {"FrmKlokken", "CmdDelete", action(36)},
      {"FrmKlokken", "CmdEdit", action(610)},
      {"FrmKlokken", "CmdTest", action(998)},
      {"FrmKlokken", "mmuComGet", text(1176)},
      {"FrmKlokken", "mmuComSend", text(1177)},
      {"FrmKlokken", "mmuComCompare", text(1194)},
      // The clock-line edit dialog.
      {"FrmClkEdit", "FrmClkEdit", text(982)},
      {"FrmClkEdit", "LblTabel", text(1002)},
      {"FrmClkEdit", "LblFnc", withColon(1019)},
      {"FrmClkEdit", "LblLd", withColon(1020)},
      {"FrmClkEdit", "LblLvl", text(50)},
      {"FrmClkEdit", "LblTijd", text(989)},
      {"FrmClkEdit", "LblDate", text(990)},
      {"FrmClkEdit", "LblRepeat", text(988)},
      {"FrmClkEdit", "CmdOK", text(30)},
      {"FrmClkEdit", "CmdCancel", text(31)},
      {"FrmClkEdit", "OptTabel(0)", text(983)},
      {"FrmClkEdit", "OptTabel(1)", text(984)},
      {"FrmClkEdit", "OptTabel(2)", text(985)},
      {"FrmClkEdit", "OptTabel(3)", text(986)},
      {"FrmClkEdit", "OptTabel(4)", text(987)},
      // The communication dialog.
      {"FrmCom", "FrmCom", text(615)},
      {"FrmCom", "cmdSendOK", text(30)},
      {"FrmCom", "cmdSendCancel", text(31)},
      {"FrmCom", "lblProgress", withColon(674)},
      {"FrmCom", "FraCom", withColon(1031)},
      {"FrmCom", "ChkModem", text(974)},
      {"FrmCom", "ChkTimeSet", text(1010)},
      {"FrmCom", "ChkVerify", text(1143)},
      {"FrmCom", "FraModem", text(975)},
      {"FrmCom", "LblModem", text(976)},
      {"FrmCom", "LblInitString", text(977)},
      {"FrmCom", "LblTelNr", text(1009)},
      {"FrmCom", "ChkCallBack", text(978)},
      {"FrmCom", "LblCallBack", text(1046)},
      {"FrmCom", "CmdPrgModem", text(979)},
      // The start dialog.
      {"FrmSelectClkAct", "cmdOpenF", text(995)},
      {"FrmSelectClkAct", "CmdLoad", text(996)},
      {"FrmSelectClkAct", "CmdNew", text(997)},
  };
}

}  // namespace

const std::vector<FormTextRow>& FormTextTable() {
  static const std::vector<FormTextRow> table = buildTable();
  return table;
}

std::string ResolveCaption(const Texts& texts, const CaptionExpression& caption) {
  std::string result = texts.LoadText(caption.first);
  if (caption.second != 0) result.append(" ").append(texts.LoadText(caption.second));
  if (caption.colon) result += ':';
  return result;
}

std::vector<std::pair<std::string, std::string>> formTexts(const Texts& texts,
                                                           const std::string& formName) {
  std::vector<std::pair<std::string, std::string>> captions;
  for (const FormTextRow& row : FormTextTable())
    if (formName == row.form) captions.emplace_back(row.control, ResolveCaption(texts, row.caption));
  return captions;
}

}  // namespace ordalis
