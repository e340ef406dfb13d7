# sources of src/summaries are listed here
