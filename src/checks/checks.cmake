# sources of src/checks are listed here
