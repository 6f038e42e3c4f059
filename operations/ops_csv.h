#pragma once
// The CSV import of the shell and the detail tool, forwarded to the CSV exchange with the
// archive packer of the active store, so that an imported file that would not make the
// register's binary file is taken back.

class CTK73opsCsv {
  public:
    // fileNo: the program file to import (-1: the user chooses), kind: 0 register, 1 controller.
    CTK73opsCsv(int fileNo, int kind);

    // 1 when a program file was replaced from a CSV file; 0 when cancelled or refused.
    int ImportExecute();

  private:
    int m_nFileNo;
    int m_nKind;
};
