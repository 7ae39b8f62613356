#include "admin/admin.h"

int main(int argc, char** argv) {
  return tq::admin::RunAdmin(argc, argv);
}
